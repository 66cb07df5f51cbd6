// Pictures pasted and inserted in the editor, resized, stored, shown again and printed; the
// entry's date typed in the editor; the editor in front after a save that asked for a comment,
// and in the place it was left.
#include "core/richtext/RtfReader.h"
#include "core/session/CQBKDoc.h"
#include "core/store/StoredText.h"
#include "gui/app/CMainFrame.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryDateBar.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/editor/PictureHandles.h"
#include "render/PdfEntryPages.h"
#include "render/PictureImport.h"
#include "render/RtfDocumentAdapter.h"
#include "support/AppTest.h"
#include "support/RawSqlite.h"
#include "support/TestJournal.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextImageFormat>

using namespace richtext;

namespace {

class EditorPicturesAndDate : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startWithoutWelcome());
        ASSERT_EQ(session().OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        trigger(&frame(), QStringLiteral("actionNewEntry"));
        settle();
        QApplication::setActiveWindow(&editor());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    }
    CQBKDoc& session() const { return m_app->Document(); }
    CEntryFrame& editor() const { return *m_app->Editor()->Frame(); }
    std::string stored(const std::string& column) const {
        return rawValue(journal.path(), "SELECT " + column + " FROM Entry");
    }
    // The pictures of the first paragraph as the document shows them: shown and own sizes.
    QList<QSize> shownPictures() const {
        QList<QSize> out;
        const QTextDocument& text = *editor().View().document();
        for (auto it = text.begin().begin(); !it.atEnd(); ++it) {
            const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
            out << QSize(qRound(f.width()), qRound(f.height()))
                << text.resource(QTextDocument::ImageResource, QUrl(f.name()))
                       .value<QImage>()
                       .size();
        }
        return out;
    }

    TestJournal journal;
};

QImage filled(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A pasted picture is stored as PNG; a click selects it and shows its handles, a corner dragged
// resizes it in proportion and Undo takes that back. Insert > Picture... stores a JPEG file's
// own bytes. Both are shown again when the entry is reopened.
TEST_F(EditorPicturesAndDate, PicturesPastedResizedAndInsertedAreStored) {
    CEntryView& view = editor().View();
    QApplication::clipboard()->setImage(filled(40, 20, Qt::red));
    trigger(&editor(), QStringLiteral("editorPaste"));
    const QRect caret = view.cursorRect(QTextCursor(view.document()));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, caret.bottomLeft() + QPoint(10, -5));
    EXPECT_EQ(view.Handles().PictureRect().size(), QSize(40, 20));
    for (const QPoint moved : {QPoint(40, 5), QPoint(-20, 0)}) {
        const QPoint corner = PictureHandles::HandleAt(view.Handles().PictureRect(), 3).center();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, corner);
        QTest::mouseMove(view.viewport(), corner + moved);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, corner + moved);
    }
    view.undo(); // back from 60 x 30 to 80 x 40
    view.moveCursor(QTextCursor::End);
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(filled(16, 40, Qt::blue).save(photo, "JPEG"));
    m_modals.then([&](QWidget* dialog) {
        // The name is typed: selectFile() leaves the focused name box of a shown dialog as it is.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name) << dialog->objectName().toStdString();
        name->setText(photo);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    trigger(&editor(), QStringLiteral("editorInsertPicture"));
    m_modals.then([](QWidget* comment) { clickButton(comment, QStringLiteral("OK")); });
    trigger(&editor(), QStringLiteral("editorSave"));
    const RichDocument model =
        RtfReader::read(DecipherFromStorage(stored("EntryText").c_str(), TestJournal::kContentKey));
    ASSERT_EQ(model.paragraphs.at(0).runs.size(), 2u);
    const Image& pasted = *model.paragraphs[0].runs[0].image;
    EXPECT_EQ(QImage::fromData(pasted.data, "PNG").size(), QSize(40, 20));
    EXPECT_EQ(QSize(pasted.widthTwips, pasted.heightTwips), QSize(80, 40) * 15);
    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(model.paragraphs[0].runs[1].image->data, file.readAll());

    // Opened again, the entry shows both pictures at their stored sizes.
    trigger(&editor(), QStringLiteral("editorClose"));
    settle();
    session().OpenEntry(stored("EntryID"));
    settle();
    ASSERT_NE(m_app->Editor()->Frame(), nullptr);
    EXPECT_EQ(shownPictures(),
              (QList<QSize>{QSize(80, 40), QSize(40, 20), QSize(16, 40), QSize(16, 40)}));
}

TEST_F(EditorPicturesAndDate, NewEntryStartsWithTheTemplateSetFromAnEntry) {
    QTest::keyClicks(&editor().View(), QStringLiteral("Grateful for:"));
    m_modals.then([](QWidget* comment) { clickButton(comment, QStringLiteral("OK")); });
    trigger(&editor(), QStringLiteral("editorSave"));
    trigger(&editor(), QStringLiteral("editorSetTemplate"));
    trigger(&frame(), QStringLiteral("actionNewEntry"));
    settle();
    EXPECT_EQ(editor().View().toPlainText(), QStringLiteral("Grateful for:"));
    EXPECT_FALSE(editor().View().document()->isModified());
}

TEST_F(EditorPicturesAndDate, TooLargePicturesAreRefusedAndABitmapIsStoredAsPng) {
    QByteArray wide, bmp;
    QBuffer wideOut(&wide), bmpOut(&bmp);
    ASSERT_TRUE(wideOut.open(QIODevice::WriteOnly) && bmpOut.open(QIODevice::WriteOnly));
    ASSERT_TRUE(filled(10001, 1, Qt::white).save(&wideOut, "PNG"));
    ASSERT_TRUE(filled(8, 8, Qt::green).save(&bmpOut, "BMP"));
    const PictureImport refused = PictureImport::fromBytes(wide, QStringLiteral("x.png"));
    EXPECT_TRUE(!refused.picture && refused.problem.contains(QLatin1String("10001 x 1")));
    const PictureImport converted = PictureImport::fromBytes(bmp, {});
    ASSERT_TRUE(converted.picture);
    EXPECT_EQ(QImage::fromData(converted.picture->data, "PNG").size(), QSize(8, 8));
}

TEST_F(EditorPicturesAndDate, TheDateTypedIsStoredAndTheCommentPromptLeavesTheEditorInFront) {
    rawExec(journal.path(), "UPDATE Config SET PromptForComment = 1, DateFormat = '%m/%d/%Y', "
                            "TimeFormat = '%H:%M'");
    trigger(&editor(), QStringLiteral("editorClose"));
    trigger(&frame(), QStringLiteral("actionNewEntry"));
    settle();
    const QRect placed(40, 50, 640, 480);
    editor().setGeometry(placed);
    QApplication::setActiveWindow(&editor());
    QDateTimeEdit& date = editor().DateBar().Edit();
    EXPECT_EQ(date.displayFormat(), QStringLiteral("yyyy-MM-dd HH:mm")); // the C locale's field
    date.setDateTime(QDateTime(QDate(2021, 3, 15), QTime(9, 45)));
    QTest::keyClicks(&editor().View(), QStringLiteral("Back-dated"));
    m_modals.then([this](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CCommentDlg"));
        EXPECT_EQ(dialog->parentWidget(), &editor()); // over the editor, not the main window
        clickButton(dialog, QStringLiteral("OK"));
    });
    trigger(&editor(), QStringLiteral("editorSave"));
    settle();
    EXPECT_EQ(stored("TimeStamp"), "2021-03-15 09:45");
    EXPECT_EQ(QApplication::activeWindow(), &editor());

    trigger(&editor(), QStringLiteral("editorClose"));
    trigger(&frame(), QStringLiteral("actionNewEntry"));
    settle();
    EXPECT_EQ(editor().geometry(), placed);
}

} // namespace
