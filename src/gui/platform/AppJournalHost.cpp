#include "gui/platform/AppJournalHost.h"

#include "core/platform/RecentFileList.h"

#include <QSettings>

AppJournalHost::AppJournalHost(RecentFileList& recent) : m_recent(recent) {}

EntryEditor* AppJournalHost::CreateEntryEditor() {
    return createEntryEditor ? createEntryEditor() : nullptr;
}

void AppJournalHost::NewEntry() {
    if (newEntry)
        newEntry();
}

void AppJournalHost::PrintEntryText(const std::string& rtf, const std::string& title,
                                    int printFlag) {
    if (printEntryText)
        printEntryText(rtf, title, printFlag);
}

void AppJournalHost::ShowSearchDialog() {
    if (showSearchDialog)
        showSearchDialog();
}

void AppJournalHost::ShowMasterTopicList() {
    if (showMasterTopicList)
        showMasterTopicList();
}

void AppJournalHost::PrintJournal() {
    if (printJournal)
        printJournal();
}

bool AppJournalHost::IsTopicPaneShown() const {
    return topicPaneShown && topicPaneShown();
}

void AppJournalHost::AddToRecentFileList(const std::string& path) {
    m_recent.add(path);
    // Saved at once so that a crash later does not lose it.
    QSettings settings;
    m_recent.save(settings);
    settings.sync();
    if (recentListChanged)
        recentListChanged();
}

std::string AppJournalHost::MostRecentJournal() const {
    return m_recent.path(0);
}

void AppJournalHost::JournalOpened(const std::string& path) {
    if (journalOpened)
        journalOpened(path);
}
