// Any bytes given as a journal file must be opened, listed, previewed, searched and shown
// entry by entry as the program and `qbk show` do it, without a crash, a hang or runaway
// memory; a file that cannot be opened is told in a message. The seeds (corpus/journal) are
// small journals with 512-byte pages, so that whole-file mutations land on the rows.

#include "core/browser/EntryRows.h"
#include "core/browser/FolderTreeData.h"
#include "core/browser/TopicItems.h"
#include "core/platform/TextEncoding.h"
#include "core/richtext/RtfReader.h"
#include "core/session/CQBKDoc.h"
#include "core/session/DecliningJournalUi.h"
#include "core/session/NoWindowHost.h"
#include "core/store/CHiddenRichEdit.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The password of the protected seeds.
constexpr const char* kSeedPassword = "pw";

// Answers as a user who knows the seeds' password would: the password once, then Cancel;
// every message box with its default button. Keeps the last message for the check below.
class FuzzUi : public DecliningJournalUi {
public:
    MessageAnswer messageBox(const MessageBoxRequest& box) override {
        lastMessage = box.text;
        return box.defaultAnswer;
    }
    bool runPasswordDialog(PasswordValues& values) override {
        if (passwordAsked++ > 0)
            return false;
        values.m_password = kSeedPassword;
        return true;
    }

    std::string lastMessage;
    int passwordAsked = 0;
};

std::string scratchPath() {
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/quillbook-fuzz-" + std::to_string(getpid()) + ".qbk";
}

// Runs one pane's or command's reading as the program does: a database failure (a value
// that does not decode, say) is shown, never thrown further, and must come with a message.
template <class Step> void asThePanesDo(CQBKDoc& doc, FuzzUi& ui, Step&& step) {
    try {
        step();
    } catch (const CppSQLite3Exception& e) {
        ui.lastMessage.clear();
        doc.ShowDatabaseError(e);
        if (ui.lastMessage.empty()) {
            std::fprintf(stderr, "a database failure told nothing: %s\n", e.message());
            std::abort();
        }
    }
}

void removeFiles(const std::string& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::remove((path + suffix).c_str());
}

// What the preview and `qbk show` do with an entry's text.
void showEntry(CQBKDoc& doc, const std::string& id) {
    const std::string rtf = doc.LoadEntryText(id);
    (void)richtext::RtfReader::read(rtf);
    CHiddenRichEdit hidden;
    hidden.StreamInText(CHiddenRichEdit::SF_RTF, rtf);
    (void)storedToText(hidden.StreamOutText());
    (void)doc.GetEntryDateText(id);
    (void)storedToText(doc.LoadEntryComment(id));
}

void listFolder(CQBKDoc& doc, FuzzUi& ui, const std::string& folderId,
                const std::vector<TopicItem>& topics, int& shown) {
    EntryFilter filter;
    filter.currentFolderId = folderId;
    if (!topics.empty()) {
        filter.topicPaneShown = true;
        filter.selectedTopicIds.push_back(topics.front().id);
    }
    std::vector<EntryRow> rows;
    asThePanesDo(doc, ui, [&] { rows = LoadEntryRows(doc.Reader(), filter); });
    for (const EntryRow& row : rows) {
        (void)storedToText(row.comment);
        if (shown++ < 8) // the first few are enough to reach every kind of value
            asThePanesDo(doc, ui, [&] { showEntry(doc, row.entryId); });
    }
}

// Every folder of the tree, as a user clicking through it would; no recursion, since the
// tree's depth is the file's choice.
void walkFolders(CQBKDoc& doc, FuzzUi& ui, const std::vector<FolderNode>& tree,
                 const std::vector<TopicItem>& topics, int& shown) {
    std::vector<const FolderNode*> pending;
    for (const FolderNode& node : tree)
        pending.push_back(&node);
    while (!pending.empty()) {
        const FolderNode* node = pending.back();
        pending.pop_back();
        listFolder(doc, ui, node->id, topics, shown);
        for (const FolderNode& child : node->children)
            pending.push_back(&child);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string path = scratchPath();
    removeFiles(path);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FuzzUi ui;
    NoWindowHost host;
    {
        CQBKDoc doc(ui, host);
        const CQBKDoc::OpenResult result = doc.OpenJournal(path);
        if (result != CQBKDoc::OpenResult::Ok) {
            ui.lastMessage.clear();
            doc.ReportOpenResult(result);
            if (result != CQBKDoc::OpenResult::Cancelled && ui.lastMessage.empty()) {
                std::fprintf(stderr, "open failed with %d and told nothing\n",
                             static_cast<int>(result));
                std::abort();
            }
        } else {
            int shown = 0;
            std::vector<TopicItem> topics;
            std::vector<FolderNode> tree;
            asThePanesDo(doc, ui, [&] { topics = LoadTopicItems(doc.Reader().Db()); });
            asThePanesDo(doc, ui, [&] { tree = LoadFolderChildren(doc.Reader().Db()); });
            listFolder(doc, ui, "{Root}", {}, shown);
            listFolder(doc, ui, "{All Entries}", topics, shown);
            walkFolders(doc, ui, tree, topics, shown);

            // Search shows its own failures; the results are listed as the dialog lists them.
            SearchCriteria criteria;
            criteria.findText = "journal";
            doc.Search(criteria); // writes its marks, as a search does
            asThePanesDo(doc, ui, [&] {
                for (const EntryRow& row : LoadSearchResultRows(doc.Reader()))
                    (void)storedToText(row.topics);
            });
            criteria.findText = "e";
            criteria.matchCase = true;
            criteria.wholeWord = true;
            if (!topics.empty())
                criteria.topicIds.push_back(topics.back().id);
            doc.Search(criteria); // the second search reads the cache
            doc.CloseJournal();
        }
    }
    removeFiles(path);
    return 0;
}
