#include "ui/options/Bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace velto {

QCheckBox* Bindings::Flag(const QString& text, const QString& name, int16_t& flag,
                          std::function<void(int16_t)> write, std::function<void()> after) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    QObject::connect(box, &QCheckBox::toggled,
                     [&flag, write = std::move(write), after = std::move(after)](bool on) {
                         const int16_t value = on ? 1 : 0;
                         if (write)
                             write(value);
                         else
                             flag = value;
                         if (after) after();
                     });
    flags_.push_back({box, &flag});
    return box;
}

QLineEdit* Bindings::Text(const QString& name, QString& setting) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    QObject::connect(box, &QLineEdit::textChanged, [&setting](const QString& t) { setting = t; });
    texts_.push_back({box, &setting});
    return box;
}

QButtonGroup* Bindings::Choice(QWidget* parent, const QStringList& texts, const QString& name,
                               int16_t& setting, std::function<int(int16_t)> index) {
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts.at(i));
        button->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
        group->addButton(button, i);
    }
    QObject::connect(group, &QButtonGroup::idToggled, [&setting](int id, bool on) {
        if (on) setting = static_cast<int16_t>(id);
    });
    choices_.push_back({group, &setting, std::move(index)});
    return group;
}

void Bindings::Load() {
    for (const FlagBinding& b : flags_) {
        const QSignalBlocker quiet(b.box);
        b.box->setChecked(*b.flag == 1);
    }
    for (const TextBinding& b : texts_)
        SetTextQuietly(b.box, *b.setting);
    for (const ChoiceBinding& b : choices_) {
        const int shown = b.index ? b.index(*b.setting) : *b.setting;
        const QSignalBlocker quiet(b.group);
        // A stored value with no button shows none checked.
        b.group->setExclusive(false);
        for (QAbstractButton* button : b.group->buttons()) {
            const QSignalBlocker quietButton(button);
            button->setChecked(b.group->id(button) == shown);
        }
        b.group->setExclusive(true);
    }
}

void SetTextQuietly(QLineEdit* box, const QString& text) {
    const QSignalBlocker quiet(box);
    box->setText(text);
}

} // namespace velto
