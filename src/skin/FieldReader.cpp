#include "skin/FieldReader.h"

#include "common/Numbers.h"

namespace velto {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// [+-] digits [. digits] [e [+-] digits], with a digit before or after the point.
bool IsNumber(QStringView f) {
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < f.size() && f[i] >= u'0' && f[i] <= u'9')
            ++i;
        return i - from;
    };
    if (i < f.size() && (f[i] == u'+' || f[i] == u'-')) ++i;
    qsizetype mantissa = digits();
    if (i < f.size() && f[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < f.size() && (f[i] == u'e' || f[i] == u'E')) {
        ++i;
        if (i < f.size() && (f[i] == u'+' || f[i] == u'-')) ++i;
        if (digits() == 0) return false;
    }
    return i == f.size();
}

} // namespace

bool FieldReader::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void FieldReader::SkipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
}

QString FieldReader::Field() {
    if (AtEnd()) throw SkinError{QStringLiteral("read past the end of the file")};
    const qsizetype n = text_.size();
    while (pos_ < n && isBlank(text_[pos_]))
        ++pos_;

    QString field;
    if (pos_ < n && text_[pos_] == u'"') {
        // Quoted: everything up to the closing quote (or the line end when it is
        // missing); anything between the quote and the terminator is dropped.
        ++pos_;
        const qsizetype start = pos_;
        while (pos_ < n && text_[pos_] != u'"' && !AtLineEnd())
            ++pos_;
        field = text_.mid(start, pos_ - start);
        if (pos_ < n && text_[pos_] == u'"') ++pos_;
        while (pos_ < n && text_[pos_] != u',' && !AtLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && text_[pos_] != u',' && !AtLineEnd())
            ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        field = text_.mid(start, end - start);
    }
    if (pos_ < n && text_[pos_] == u',')
        ++pos_;
    else
        SkipLineEnd();
    return field;
}

QString FieldReader::Line() {
    if (AtEnd()) throw SkinError{QStringLiteral("read past the end of the file")};
    const qsizetype start = pos_;
    while (pos_ < text_.size() && !AtLineEnd())
        ++pos_;
    QString line = text_.mid(start, pos_ - start);
    SkipLineEnd();
    return line;
}

double FieldReader::Number() {
    const QString field = Field();
    if (field.isEmpty()) return 0.0; // an empty number field reads as 0
    if (!IsNumber(field)) throw SkinError{QStringLiteral("not a number: ") + field};
    return LeadingNumber(field);
}

int16_t FieldReader::Int16() {
    const double v = Number();
    const auto n = ToInt16(v);
    if (!n) throw SkinError{QStringLiteral("number out of range: %1").arg(v)};
    return *n;
}

int32_t FieldReader::Int32() {
    const double v = Number();
    const auto n = ToInt32(v);
    if (!n) throw SkinError{QStringLiteral("number out of range: %1").arg(v)};
    return *n;
}

} // namespace velto
