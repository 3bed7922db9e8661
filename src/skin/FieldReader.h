#pragma once
// Reads a skin control file as a stream of fields and lines, the way a
// sequential text-field reader does:
// - a field ends at a comma or a line end (CR LF, CR or LF) and consumes it;
// - blanks around a field are dropped; a field in double quotes may hold commas;
// - a line read returns the rest of the current line verbatim and consumes its
//   line end, so after a field that ended its line it returns the next line.
// Reading past the end, or a number field that is not a number or does not fit,
// throws SkinError.
#include <QString>

#include <cstdint>

namespace velto {

// Ends a skin load with what was applied so far; `why` goes to the log only.
struct SkinError {
    QString why;
};

class FieldReader {
public:
    explicit FieldReader(QString text) : text_(std::move(text)) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    QString Field();
    QString Line();
    int16_t Int16();
    int32_t Int32(); // a "long" field

private:
    double Number();
    void SkipLineEnd();
    bool AtLineEnd() const;

    QString text_;
    qsizetype pos_ = 0;
};

} // namespace velto
