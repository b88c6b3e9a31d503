#include "core/lists/ListFileParser.h"

namespace vistello {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }
bool isSeparator(QChar c) { return c == u',' || c == u';' || c == u'=' || isLineBreak(c); }

class Parser {
public:
    explicit Parser(QStringView text) : text_(text) {}

    std::vector<ListFileRecord> run()
    {
        std::vector<ListFileRecord> records;
        for (;;) {
            while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineBreak(text_[pos_])))
                ++pos_;
            if (pos_ >= text_.size())
                return records;
            ListFileRecord record;
            const bool hasComment = readName(record.name);
            if (hasComment)
                record.comment = readComment();
            records.push_back(std::move(record));
        }
    }

private:
    // Reads the name and the separator after it; true when that separator
    // leaves room for a comment on the same line.
    bool readName(QString& name)
    {
        if (text_[pos_] == u'"') {
            ++pos_;
            // A doubled quote stands for one, so names holding quotes survive.
            name = readQuoted(/*stopAtLineBreak=*/false);
            while (pos_ < text_.size() && !isSeparator(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && !isSeparator(text_[pos_]))
                ++pos_;
            name = text_.mid(start, pos_ - start).toString();
        }
        if (pos_ >= text_.size())
            return false;
        const bool lineGoesOn = !isLineBreak(text_[pos_]);
        ++pos_;
        return lineGoesOn;
    }

    QString readComment()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'"') {
            ++pos_;
            return readQuoted(/*stopAtLineBreak=*/true);
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isLineBreak(text_[pos_]))
            ++pos_;
        return text_.mid(start, pos_ - start).toString();
    }

    // Text up to the next lone quote, which is consumed; a line break (left
    // in place) or the end of the text also ends it when asked.
    QString readQuoted(bool stopAtLineBreak)
    {
        QString out;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c == u'"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
                    out += u'"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            if (stopAtLineBreak && isLineBreak(c))
                break;
            out += c;
            ++pos_;
        }
        return out;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

std::vector<ListFileRecord> parseListText(QStringView text)
{
    return Parser(text).run();
}

} // namespace vistello
