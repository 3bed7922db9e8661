#pragma once
// Controls bound to settings: each writes its setting at once, on every click
// or text change; Load puts the settings into the controls without writing.
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace velto {

class Bindings {
public:
    // A check box for a 0/1 flag. `write` replaces the plain copy of the value
    // (for boxes whose click does more); `after` runs after it.
    QCheckBox* Flag(const QString& text, const QString& name, int16_t& flag,
                    std::function<void(int16_t)> write = {}, std::function<void()> after = {});
    // A text box for a text setting.
    QLineEdit* Text(const QString& name, QString& setting);
    // Option buttons whose index is the setting; `index` maps the stored value
    // to the button shown (-1 for none).
    QButtonGroup* Choice(QWidget* parent, const QStringList& texts, const QString& name,
                         int16_t& setting, std::function<int(int16_t)> index = {});
    // Everything bound, from the settings; the controls' events do not run.
    void Load();

private:
    struct FlagBinding {
        QCheckBox* box;
        int16_t* flag;
    };
    struct TextBinding {
        QLineEdit* box;
        QString* setting;
    };
    struct ChoiceBinding {
        QButtonGroup* group;
        int16_t* setting;
        std::function<int(int16_t)> index;
    };
    std::vector<FlagBinding> flags_;
    std::vector<TextBinding> texts_;
    std::vector<ChoiceBinding> choices_;
};

// Sets a control's value without running its events.
void SetTextQuietly(QLineEdit* box, const QString& text);

} // namespace velto
