#include "ui/options/AutoTab.h"

#include "app/Player.h"
#include "platform/Dialogs.h"
#include "scheduler/AutoEntry.h"
#include "scheduler/Scheduler.h"
#include "scheduler/Snooze.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velto {

namespace {

constexpr int kTimeLength = 5; // "HH:MM"

// A box as wide as `sample` in its own font, whatever the font's size.
void FitTo(QLineEdit* box, const QString& sample) {
    const QFontMetrics metrics(box->font());
    box->setFixedWidth(metrics.horizontalAdvance(sample) + metrics.averageCharWidth() * 3);
}

QLineEdit* TimeBox(QLineEdit* box) {
    box->setMaxLength(kTimeLength);
    FitTo(box, QStringLiteral("00:00"));
    return box;
}

QLineEdit* TimeBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return TimeBox(box);
}

} // namespace

AutoTab::AutoTab(Player& player, QWidget* parent) : QWidget(parent), player_(player) {
    auto* top = new QHBoxLayout;
    top->addWidget(OptionsFrame());
    top->addWidget(SnoozeFrame(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ScheduleFrame(), 1);
}

QWidget* AutoTab::OptionsFrame() {
    Settings& set = player_.settings;
    auto* frame = new QGroupBox(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(
        bind_.Flag(QStringLiteral("Enable Auto On/Off"), QStringLiteral("cbAutoEn"), set.Auto));
    layout->addWidget(bind_.Flag(
        QStringLiteral("Minimize on Off/Snooze"), QStringLiteral("cbMinOnSnz"), set.SnoozeHide,
        [&set](int16_t v) { SnoozeState::cbMinOnSnz_Click(v, set.SnoozeHide); }));
    layout->addStretch();
    return frame;
}

QWidget* AutoTab::SnoozeFrame() {
    Settings& set = player_.settings;
    SnoozeState& snooze = player_.Schedule().snooze;
    auto* frame = new QGroupBox(QStringLiteral("Snooze"));
    QCheckBox* enable =
        bind_.Flag(QStringLiteral("Enable Snooze"), QStringLiteral("cbSnoozeEn"), set.Snooze,
                   [&set, &snooze](int16_t v) { snooze.cbSnoozeEn_Click(v, set.Snooze); });
    // Any mode but minutes is the clock time.
    QButtonGroup* mode = bind_.Choice(this, {QStringLiteral("After:"), QStringLiteral("Set Time:")},
                                      QStringLiteral("SnzMd"), set.SnoozeMode,
                                      [](int16_t m) { return m == 0 ? 0 : 1; });
    SnzMin = new QComboBox;
    SnzMin->setObjectName(QStringLiteral("SnzMin"));
    SnzMin->addItems(kSnoozeMinuteItems);
    QLineEdit* snoozeAt = TimeBox(bind_.Text(QStringLiteral("SnoozeAt"), set.SnoozeTime));

    auto* layout = new QGridLayout(frame);
    layout->addWidget(enable, 0, 0, 1, 3);
    layout->addWidget(mode->button(0), 1, 0);
    layout->addWidget(SnzMin, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("minutes")), 1, 2);
    layout->addWidget(mode->button(1), 2, 0);
    layout->addWidget(snoozeAt, 2, 1, Qt::AlignLeft);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 1, 3);
    layout->setRowStretch(3, 1);

    connect(SnzMin, &QComboBox::activated, this, [this] { SnzMin_Click(); });
    return frame;
}

QWidget* AutoTab::ScheduleFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Auto On/Off"));
    OODay = new QComboBox;
    OODay->setObjectName(QStringLiteral("OODay"));
    OODay->addItems(kAutoDayItems);
    OOOnTime = TimeBox(QStringLiteral("OOOnTime"));
    OOOffTime = TimeBox(QStringLiteral("OOOffTime"));
    OOPreset = new QLineEdit;
    OOPreset->setObjectName(QStringLiteral("OOPreset"));
    FitTo(OOPreset, QStringLiteral("000"));
    OOAddBtn = new QPushButton(QStringLiteral("Add"));
    OOAddBtn->setObjectName(QStringLiteral("OOAddBtn"));
    OODelBtn = new QPushButton(QStringLiteral("Delete Selected"));
    OODelBtn->setObjectName(QStringLiteral("OODelBtn"));
    OOList = new QListWidget;
    OOList->setObjectName(QStringLiteral("OOList"));
    // The entries are fixed columns: a fixed-pitch font lines them up.
    OOList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* entry = new QHBoxLayout;
    entry->addWidget(OODay);
    entry->addSpacing(OODay->fontMetrics().averageCharWidth());
    for (auto [caption, box] : {std::pair{QStringLiteral("Time: On:"), OOOnTime},
                                std::pair{QStringLiteral("Off:"), OOOffTime},
                                std::pair{QStringLiteral("File/Playlist:"), OOPreset}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(box);
        entry->addWidget(label);
        entry->addWidget(box);
    }
    entry->addStretch();
    entry->addWidget(OOAddBtn);

    auto* listLabel = new QLabel(QStringLiteral("On/Off List:"));
    listLabel->setBuddy(OOList);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OODelBtn);
    buttons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(OOList, 1);
    listRow->addLayout(buttons);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(entry);
    layout->addWidget(listLabel);
    layout->addLayout(listRow, 1);

    connect(OOAddBtn, &QPushButton::clicked, this, [this] { OOAddBtn_Click(); });
    connect(OODelBtn, &QPushButton::clicked, this, [this] { OODelBtn_Click(); });
    return frame;
}

void AutoTab::Load() {
    bind_.Load();
    OODay->setCurrentIndex(kAutoDayDefaultIndex);
    SetTextQuietly(OOOnTime, QStringLiteral("00:00"));
    SetTextQuietly(OOOffTime, QStringLiteral("00:00"));
    SetTextQuietly(OOPreset, QString());
    SnzMin->setCurrentIndex(kSnoozeMinutesDefaultIndex);
    SnzMin_Click();
}

void AutoTab::SnzMin_Click() { player_.Schedule().snooze.SnzMin_Click(SnzMin->currentText()); }

QStringList AutoTab::Entries() const {
    QStringList items;
    for (int i = 0; i < OOList->count(); ++i)
        items << OOList->item(i)->text();
    return items;
}

void AutoTab::CopyLiveList() {
    if (Entries() == player_.AutoList) return; // keeps the selection
    OOList->clear();
    OOList->addItems(player_.AutoList);
}

void AutoTab::OOAddBtn_Click() {
    const AutoEntryResult built =
        BuildAutoEntry(OODay->currentText(), OOOnTime->text(), OOOffTime->text(), OOPreset->text());
    if (!built.entry) {
        if (!built.message.isEmpty()) player_.dialogs.Message(built.message);
        return;
    }
    OOList->addItem(*built.entry);
    SyncAutoList();
}

void AutoTab::OODelBtn_Click() {
    const QStringList items = Entries();
    const AutoListAfterDelete after = DeleteAutoEntry(items, OOList->currentRow());
    if (after.list != items) {
        OOList->clear();
        OOList->addItems(after.list);
    }
    OOList->setCurrentRow(after.selected);
    SyncAutoList();
}

// After every add or delete the live schedule is the dialog's list.
void AutoTab::SyncAutoList() { player_.AutoList = Entries(); }

} // namespace velto
