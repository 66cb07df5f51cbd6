// The journal session's command table and its handlers.
#include "core/platform/CommandIds.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalHost.h"
#include "core/session/JournalUi.h"
#include "core/session/Panes.h"
#include "core/session/SearchWindow.h"

#include <QCoreApplication>

const CommandMap<CQBKDoc>& CQBKDoc::commandMap() {
    using Map = CommandMap<CQBKDoc>;
    static const Map map{
        {ID_FILE_OPEN_JOURNAL, &CQBKDoc::OnOpenJournal},
        {ID_FILE_CLOSE_JOURNAL, &CQBKDoc::OnCloseJournal, &CQBKDoc::IsJournalOpen},
        {ID_FILE_NEW_JOURNAL, &CQBKDoc::OnNewJournal},
        {ID_FILE_JOURNAL_OPTIONS, &CQBKDoc::OnJournalOptions, &CQBKDoc::IsJournalOpen},
        {ID_FILE_CHANGE_PASSWORD, &CQBKDoc::OnChangePassword, &CQBKDoc::OnUpdateChangePassword},
        {ID_HELP_WELCOME_DIALOG, &CQBKDoc::OnWelcomeDialog},
        {ID_FILE_NEW_ENTRY, &CQBKDoc::OnNewEntry, &CQBKDoc::IsJournalOpen},
        {ID_FILE_NEW_FOLDER, &CQBKDoc::OnNewFolder, &CQBKDoc::CanNewFolder},
        {ID_TOPIC_NEW, &CQBKDoc::OnNewTopic, &CQBKDoc::CanNewTopic},
        {ID_TOOLS_SEARCH, &CQBKDoc::OnSearch, &CQBKDoc::IsJournalOpen},
        {ID_EDIT_MASTER_TOPIC_LIST, &CQBKDoc::OnMasterTopicList, &CQBKDoc::IsJournalOpen},
        {ID_FILE_PRINT_JOURNAL, &CQBKDoc::OnPrintJournal, &CQBKDoc::IsJournalOpen},
        {ID_PANES_REFRESH, &CQBKDoc::RefreshPanesKeepingPlace, &CQBKDoc::IsJournalOpen},
    };
    return map;
}

void CQBKDoc::OnOpenJournal() {
    if (const std::optional<std::string> path = m_ui.chooseJournalToOpen())
        ReportOpenResult(OpenJournal(*path));
}

void CQBKDoc::OnCloseJournal() {
    CloseJournal();
}

void CQBKDoc::OnNewJournal() {
    CreateJournal();
}

void CQBKDoc::OnJournalOptions() {
    JournalOptions();
}

void CQBKDoc::OnChangePassword() {
    ChangePassword();
}

void CQBKDoc::OnUpdateChangePassword(CommandUpdate& update) {
    // The item keeps its last text while no journal is open.
    if (IsJournalOpen())
        m_changePasswordText = m_hasPassword ? QT_TRANSLATE_NOOP("MainMenus", "Change Password...")
                                             : QT_TRANSLATE_NOOP("MainMenus", "Set Password...");
    update.enable(IsJournalOpen());
    update.setText(
        QCoreApplication::translate("MainMenus", m_changePasswordText.c_str()).toStdString());
}

void CQBKDoc::OnWelcomeDialog() {
    switch (m_ui.runWelcomeDialog()) {
    case WelcomeChoice::OpenLast:
        OpenLastJournal();
        break;
    case WelcomeChoice::OpenJournal:
        OnOpenJournal();
        break;
    case WelcomeChoice::NewJournal:
        CreateJournal();
        break;
    case WelcomeChoice::Close:
        break;
    }
}

void CQBKDoc::OnNewEntry() {
    m_newEntryDay.reset();
    m_host.NewEntry();
}

bool CQBKDoc::CanNewFolder() const {
    return m_pFolderTree != nullptr && m_pFolderTree->CanCreateFolder();
}

void CQBKDoc::OnNewFolder() {
    if (IsJournalOpen() && m_pFolderTree)
        m_pFolderTree->NewFolder();
}

bool CQBKDoc::CanNewTopic() const {
    return IsJournalOpen() && m_host.IsTopicPaneShown();
}

void CQBKDoc::OnNewTopic() {
    if (IsJournalOpen())
        NewTopic();
}

void CQBKDoc::OnSearch() {
    if (m_pSearchDlg)
        m_pSearchDlg->Activate();
    else
        m_host.ShowSearchDialog();
}

void CQBKDoc::OnMasterTopicList() {
    m_host.ShowMasterTopicList();
}

void CQBKDoc::OnPrintJournal() {
    m_host.PrintJournal();
}
