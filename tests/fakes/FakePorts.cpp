#include "fakes/FakePorts.h"

namespace velto::test {

QString FakeSettingsStore::findKey(const QString& key) const {
    for (auto it = values_.cbegin(); it != values_.cend(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.key();
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

QString FakeSettingsStore::Value(const QString& key) const { return values_.value(findKey(key)); }

// The next scripted answer; none left is a cancel.
template <typename T> static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::optional<FileDialogResult> FakeDialogs::ShowFileDialog(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (onFileDialog) onFileDialog(request);
    return Next(fileAnswers);
}

std::optional<QString> FakeDialogs::BrowseFolder(const QString& title, const QString& initial) {
    folderRequests.emplace_back(title, initial);
    return Next(folderAnswers);
}

} // namespace velto::test
