#include "gui/app/BrowserPanes.h"

#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CPreviewPane.h"
#include "gui/browser/CTopicListView.h"
#include "gui/dialogs/CEntryTopicsDlg.h"

CQBKView::PaneFactory browserPanes() {
    CQBKView::PaneFactory factory;
    factory.make = [](CQBKView::Pane kind, CQBKDoc& doc, JournalUi& ui,
                      QWidget* parent) -> PaneWidget* {
        switch (kind) {
        case CQBKView::Pane::FolderTree:
            return new CFolderListView(doc, ui, parent);
        case CQBKView::Pane::TopicList:
            return new CTopicListView(doc, ui, parent);
        case CQBKView::Pane::EntryList: {
            auto* entries = new CEntryListView(doc, ui, parent);
            entries->setEntryTopicsHandler([&doc, &ui, entries](const std::string& entryId) {
                CEntryTopicsDlg::RunForEntry(doc, ui, entryId, entries->window());
            });
            entries->setTopicChoiceHandler([&doc, &ui, entries](TopicChoiceValues& values) {
                return CEntryTopicsDlg::RunTopicChoice(doc, ui, values, entries->window());
            });
            return entries;
        }
        case CQBKView::Pane::Preview:
            return new CPreviewPane(doc, parent);
        }
        return nullptr;
    };
    factory.wire = [](CQBKView& view) {
        auto* folders = static_cast<CFolderListView*>(view.pane(CQBKView::Pane::FolderTree));
        auto* topics = static_cast<CTopicListView*>(view.pane(CQBKView::Pane::TopicList));
        auto* entries = static_cast<CEntryListView*>(view.pane(CQBKView::Pane::EntryList));
        auto* preview = static_cast<CPreviewPane*>(view.pane(CQBKView::Pane::Preview));
        entries->setTopicList(topics);
        entries->setPreviewPane(preview);
        entries->setFolderTree(folders);
        folders->setEntryList(entries);
        // The layout's flags say what is shown, not the widgets' visibility: a minimised
        // window still has its panes "shown".
        entries->setTopicPaneShown([&view] { return view.topicsShown(); });
        entries->setPreviewPaneShown([&view] { return view.previewShown(); });
        QObject::connect(folders, &CFolderListView::selectionListsAll, entries,
                         &CEntryListView::SetInFolderColumnShown);
        view.setFolderIconSource([folders] { return folders->GetSelectedFolderIcon(); });
    };
    return factory;
}
