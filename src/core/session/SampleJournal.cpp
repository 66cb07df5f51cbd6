#include "core/session/SampleJournal.h"

#include "core/session/CQBKDoc.h"
#include "core/session/DecliningJournalUi.h"
#include "core/session/NewJournalPath.h"
#include "core/session/NoWindowHost.h"
#include "core/store/FolderTable.h"
#include "core/store/TopicLinks.h"
#include "core/store/TopicTable.h"

#include <QCoreApplication>

#include <filesystem>
#include <vector>

namespace {

// Answers the session's questions as a user creating the sample would.
class SampleUi : public DecliningJournalUi {
public:
    explicit SampleUi(std::string path) : m_path(std::move(path)) {}

    MessageAnswer messageBox(const MessageBoxRequest& box) override {
        if (box.icon == MessageIcon::Exclamation || box.icon == MessageIcon::Stop)
            m_error = box.text;
        return box.defaultAnswer;
    }
    bool runNewJournalDialog(NewJournalValues& values) override {
        values.m_title = "Sample Journal";
        values.m_owner = "Quillbook";
        values.m_bPromptForComment = false;
        values.m_bShowFirstLine = true;
        values.m_path = m_path;
        values.m_fileName = std::filesystem::path(m_path).filename().string();
        return true;
    }

    const std::string& error() const { return m_error; }

private:
    std::string m_path;
    std::string m_error;
};

constexpr const char* kHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
    "{\\colortbl;\\red31\\green53\\blue80;\\red176\\green48\\blue42;}\\f0\\fs24 ";

} // namespace

std::string makeSampleJournal(const std::string& path) {
    if (somethingExistsAt(path))
        return QCoreApplication::translate("SampleJournal", "%1 already exists")
            .arg(QString::fromStdString(path))
            .toStdString();
    SampleUi ui(path);
    NoWindowHost host;
    CQBKDoc doc(ui, host);
    doc.CreateJournal();
    if (!doc.IsJournalOpen())
        return ui.error().empty() ? QCoreApplication::translate("SampleJournal",
                                                                "the journal could not be created")
                                        .toStdString()
                                  : ui.error();

    try {
        const char* folderNames[] = {"Travel", "Work", "Reading", "Lisbon 2026"};
        std::string folderIds[4];
        for (int i = 0; i < 4; ++i) {
            folderIds[i] = CQBKDoc::NewId();
            const std::string parent = i == 3 ? folderIds[0] : std::string("{Root}");
            FolderTable(doc.Reader().Db()).Insert(folderIds[i], parent, folderNames[i]);
        }
        const char* topicNames[] = {"Family", "Books", "Weather", "Plans"};
        std::string topicIds[4];
        for (int i = 0; i < 4; ++i) {
            topicIds[i] = CQBKDoc::NewId();
            TopicTable(doc.Reader().Db()).Insert(topicIds[i], topicNames[i]);
        }
        auto topicId = [&](const char* name) {
            for (int i = 0; i < 4; ++i) {
                if (std::string(topicNames[i]) == name)
                    return topicIds[i];
            }
            return std::string();
        };

        const struct {
            int folder; // -1: the journal's top level
            COleDateTime when;
            std::string body;
            std::vector<const char*> topics;
        } entries[] = {
            {-1,
             COleDateTime(2026, 11, 2, 8, 15, 0),
             "{\\b First morning with the new journal.}\\par The rain kept on until noon, so I "
             "read by the window and made {\\i plans} for the winter.\\par",
             {"Weather", "Plans"}},
            {0,
             COleDateTime(2026, 10, 12, 19, 40, 0),
             "{\\f1\\fs28\\cf1 Packing list}\\par {\\b Passport}, charger, the blue notebook, "
             "walking shoes.\\par {\\cf2 Do not forget the tickets!}\\par",
             {"Plans"}},
            {3,
             COleDateTime(2026, 10, 18, 21, 5, 0),
             "{\\b Lisbon, day two.} Trams up to the castle, grilled sardines by the river, and "
             "a {\\ul long} walk home through Alfama.\\par",
             {"Family"}},
            {1,
             COleDateTime(2026, 11, 20, 17, 30, 0),
             "Quarterly review went well. {\\i Next:} write up the notes and send them "
             "round before Friday.\\par",
             {}},
            {2,
             COleDateTime(2026, 11, 28, 22, 10, 0),
             "Finished {\\i The Old Man and the Sea}. Short, plain and still it stays with "
             "you.\\par {\\b Rating:} four of five.\\par",
             {"Books"}},
        };
        for (const auto& entry : entries) {
            doc.SetCurrentFolderId(entry.folder < 0 ? "{Root}" : folderIds[entry.folder]);
            std::string id = "{new_entry}";
            doc.SaveEntry(std::string(kHeader) + entry.body + "}", id);
            if (id == "{new_entry}")
                return ui.error().empty() ? QCoreApplication::translate(
                                                "SampleJournal", "an entry could not be saved")
                                                .toStdString()
                                          : ui.error();
            doc.SetEntryTimeStamp(entry.when, id);
            for (const char* topic : entry.topics)
                TopicLinks(doc.Reader().Db()).Add(id, topicId(topic));
        }
    } catch (const CppSQLite3Exception& e) {
        return e.message();
    }
    doc.CloseJournal();
    return {};
}
