#pragma once
// What the action list does with its marked pictures: the twelve actions
// and the command each runs, the quantities, which pictures a command is
// handed, and the count line.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace vistello::actionlist {

struct Action {
    const char16_t* text;
    int command;
};

// The drop-down list in its order; "UserAction" is a position in it.
std::span<const Action> actions();
inline constexpr int kCreateIndex = 0;
inline constexpr int kDeletePictures = 11;

// A stored position outside the list reads as the first action.
int validAction(int position);

// Only index sheets repeat a picture.
bool quantityAvailable(int action);

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 999;
// A typed quantity: 1 to 999, anything else (0, negative, huge, not a
// number) is refused.
std::optional<int> parseQuantity(const QString& text);

struct Entry {
    QString path;
    int quantity = 1;
};

// The entries of the marked pictures: kept entries keep their quantity,
// new ones start at 1, pictures no longer marked go.
QList<Entry> entriesFor(const QStringList& marked, const QList<Entry>& previous);

// The pictures handed to the action's command: for index sheets each as
// often as its quantity, for every other action each once.
QStringList collectionFor(int action, const QList<Entry>& entries);

// The preset of the quantity question: the entry's quantity when exactly
// one is selected, else 1.
int quantityPreset(const QList<Entry>& entries, const QList<int>& selectedRows);

// "No selected pictures", "One selected picture", "%d selected pictures".
QString countLine(int count);

} // namespace vistello::actionlist
