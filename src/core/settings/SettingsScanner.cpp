#include "core/settings/SettingsScanner.h"

namespace vistello {
namespace {

class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) {}

    QList<SettingsElement> run()
    {
        QList<SettingsElement> elements;
        const qsizetype start = text_.indexOf(u"<Settings>");
        if (start < 0)
            return elements;
        pos_ = start + 10;
        while (pos_ < text_.size()) {
            if (at(u"<c ")) {
                pos_ += 3;
                SettingsElement element;
                if (readElement(element) && !element.key.isEmpty() && !element.value.isEmpty())
                    elements.append(std::move(element));
            } else {
                ++pos_;
            }
        }
        return elements;
    }

private:
    bool at(QStringView token) const { return text_.sliced(pos_).startsWith(token); }

    // Text up to the next `stop`; the position ends on the stop (or the end).
    QString takeUntil(QChar stop)
    {
        qsizetype end = text_.indexOf(stop, pos_);
        if (end < 0)
            end = text_.size();
        const QString taken = text_.sliced(pos_, end - pos_).toString();
        pos_ = end;
        return taken;
    }

    // `name="text"`: skips to the first quote, takes the text, consumes the closing quote.
    QString readAttribute(qsizetype nameLength)
    {
        pos_ += nameLength;
        const qsizetype quote = text_.indexOf(u'"', pos_);
        if (quote < 0) {
            pos_ = text_.size();
            return {};
        }
        pos_ = quote + 1;
        QString value = takeUntil(u'"');
        if (pos_ < text_.size())
            ++pos_;
        return value;
    }

    // True when "</c>" closed the element.
    bool readElement(SettingsElement& element)
    {
        while (pos_ < text_.size()) {
            if (at(u"Attr")) {
                element.key = readAttribute(4);
            } else if (at(u"Type")) {
                element.type = readAttribute(4);
            } else if (text_[pos_] == u'>') {
                ++pos_;
                element.value = takeUntil(u'<');
            } else if (at(u"</c>")) {
                pos_ += 4;
                return true;
            } else {
                ++pos_;
            }
        }
        return false;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

QList<SettingsElement> scanSettingsElements(QStringView text)
{
    return Scanner(text).run();
}

} // namespace vistello
