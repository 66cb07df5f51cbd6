#include "gui/editor/EntryPictures.h"

#include "core/editor/PictureRules.h"
#include "core/platform/TextEncoding.h"
#include "gui/editor/PictureSizeDialog.h"
#include "gui/platform/MessageBoxes.h"
#include "render/PictureImport.h"
#include "render/RtfDocumentAdapter.h"

#include <QFileDialog>
#include <QImage>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QUrl>

EntryPictures::EntryPictures(QTextEdit& edit) : QObject(&edit), m_edit(edit) {}

void EntryPictures::InsertFromFile() {
    if (m_edit.isReadOnly())
        return;
    const QString path =
        QFileDialog::getOpenFileName(m_edit.window(), PictureRules::insertPictureTitle(), QString(),
                                     PictureRules::pictureFilter());
    if (!path.isEmpty())
        Insert(PictureImport::fromFile(path));
}

bool EntryPictures::IsPicture(const QMimeData* data) {
    return data && data->hasImage();
}

bool EntryPictures::Paste(const QMimeData* data) {
    if (!IsPicture(data))
        return false;
    Insert(PictureImport::fromImage(qvariant_cast<QImage>(data->imageData())));
    return true;
}

void EntryPictures::Insert(const PictureImport& picture) {
    QWidget* editor = m_edit.window();
    if (!picture.picture) {
        showMessageBox(editor,
                       {.text = textToStored(picture.problem), .icon = MessageIcon::Exclamation});
        editor->raise();
        editor->activateWindow();
        return;
    }
    QTextCursor cursor = m_edit.textCursor();
    RtfDocumentAdapter::insertPicture(cursor, *picture.picture);
    m_edit.setTextCursor(cursor);
}

bool EntryPictures::PictureCursor(QTextCursor& cursor) const {
    cursor = m_edit.textCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    if (cursor.selectionEnd() - cursor.selectionStart() != 1)
        return false;
    // The format of a selection is that of its last character.
    return cursor.charFormat().isImageFormat();
}

bool EntryPictures::HasPicture() const {
    QTextCursor cursor;
    return !m_edit.isReadOnly() && PictureCursor(cursor);
}

void EntryPictures::ResizePicture() {
    QTextCursor cursor;
    if (m_edit.isReadOnly() || !PictureCursor(cursor))
        return;
    const QTextImageFormat f = cursor.charFormat().toImageFormat();
    const QSize original = m_edit.document()
                               ->resource(QTextDocument::ImageResource, QUrl(f.name()))
                               .value<QImage>()
                               .size();
    const QSize shown =
        f.width() > 0 && f.height() > 0 ? QSize(qRound(f.width()), qRound(f.height())) : original;
    PictureSizeDialog dialog(shown, original, m_edit.window());
    if (dialog.exec() == QDialog::Accepted && dialog.chosenSize() != shown)
        RtfDocumentAdapter::resizePicture(cursor, dialog.chosenSize());
}
