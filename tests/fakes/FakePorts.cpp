#include "fakes/FakePorts.h"

namespace velto::test {

QString FakeSettingsStore::findKey(const QString& key) const {
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.key();
    }
    return QString();
}

QString FakeSettingsStore::GetSetting(const QString&, const QString&, const QString& key,
                                      const QString& fallback) {
    const QString k = findKey(key);
    return k.isNull() ? fallback : values_.value(k);
}

void FakeSettingsStore::SaveSetting(const QString&, const QString&, const QString& key,
                                    const QString& text) {
    writes.emplace_back(key, text);
    const QString k = findKey(key);
    values_[k.isNull() ? key : k] = text;
}

QString FakeSettingsStore::Value(const QString& key) const {
    const QString k = findKey(key);
    return k.isNull() ? QString() : values_.value(k);
}

std::optional<FileDialogResult> FakeDialogs::ShowFileDialog(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (onFileDialog) onFileDialog(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::optional<QString> FakeDialogs::BrowseFolder(const QString& title, const QString& initial) {
    folderRequests.emplace_back(title, initial);
    if (folderAnswers.empty()) return std::nullopt;
    auto a = folderAnswers.front();
    folderAnswers.pop_front();
    return a;
}

} // namespace velto::test
