#pragma once
// The "Color profile" page without its widgets: the check of the file-name
// field when the page is left, and what Apply does with the display profile.
#include <QString>

namespace vistello {

class SettingsStore;

// A message (title and text numbers); both 0 when the field is good.
struct ProfileFieldProblem {
    int title = 0;
    int text = 0;
};
// Checked only while the profile is to be used: an unused field may stay empty.
ProfileFieldProblem checkProfileField(bool use, const QString& path);

// The file dialog's filter from the stored "Name (*.a;*.b)|*.a;*.b||" form.
QString profileDialogFilter(const QString& stored);

// "UseDisplayProfile" = use; the display transform is built from path or released.
void applyColourProfile(bool use, const QString& path, SettingsStore& store);

} // namespace vistello
