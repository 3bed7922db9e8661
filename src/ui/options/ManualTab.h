#pragma once
// "Manual": the four documents of the program folder in a read-only viewer.
#include <QWidget>

class QButtonGroup;
class QPlainTextEdit;

namespace velto {

class ManualTab : public QWidget {
    Q_OBJECT
public:
    ManualTab(const QString& programFolder, QWidget* parent = nullptr);
    // Shows document i (0 the guide .. 3 the credits) and ticks its button.
    void optView_Click(int i);

private:
    void ShowDoc(const QString& name);

    QString programFolder_;
    QButtonGroup* optView;
    QPlainTextEdit* txtMsg;
};

} // namespace velto
