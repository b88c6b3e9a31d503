#pragma once
// Per-key validation of int settings: a value outside a key's valid range is
// replaced by that key's fallback. Keys without a rule accept any value.
#include <QStringView>

namespace vistello {

int validateSettingInt(QStringView key, int value);
// The key's range depends on the screen, which is not known yet when the
// settings file is read: such values are loaded as they stand and checked
// when read.
bool dependsOnScreenWidth(QStringView key);

// The selection view may be at most (primary screen width - 149) wide. The
// engine has no screen; the user interface sets the width at start-up.
constexpr int kDefaultPrimaryScreenWidth = 1920;
void setPrimaryScreenWidth(int pixels);
int primaryScreenWidth();

} // namespace vistello
