#pragma once
// The playlist: display names and paths kept in step, and the selection the
// list view shows (separate from the current track number).
#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace velto {

struct PlaylistEntry {
    QString name; // display name
    QString path; // full path, URL or CD track
};

class PlaylistModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int Count() const { return static_cast<int>(entries_.size()); }
    const PlaylistEntry& At(int index) const { return entries_.at(static_cast<size_t>(index)); }
    void SetName(int index, const QString& name);
    void SetPath(int index, const QString& path);
    // Appends in one batch: one model signal however many entries.
    void Append(std::vector<PlaylistEntry> entries);
    void RemoveAt(int index);
    void Swap(int a, int b);
    void Clear();

    // -1 for none.
    int Selection() const { return selection_; }
    void SetSelection(int index);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void selectionChanged(int index);

private:
    std::vector<PlaylistEntry> entries_;
    int selection_ = -1;
};

} // namespace velto
