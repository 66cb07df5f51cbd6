#pragma once

#include <QObject>

class QMimeData;
class QTextCursor;
class QTextEdit;
struct PictureImport;

// Pictures in the entry's text: Insert Picture, pasting an image, and Picture Size for the
// picture selected or just before the caret. A picture that cannot come in is told in a
// message over the editor, and the editor stays in front.
class EntryPictures : public QObject {
public:
    explicit EntryPictures(QTextEdit& edit);

    void InsertFromFile();
    // Whether the clipboard content holds an image (or an image file) to paste.
    static bool IsPicture(const QMimeData* data);
    // Pastes the picture the data holds; false when it holds none.
    bool Paste(const QMimeData* data);
    void ResizePicture();
    bool HasPicture() const;

private:
    // The cursor selecting the picture selected or just before the caret.
    bool PictureCursor(QTextCursor& cursor) const;
    void Insert(const PictureImport& picture);

    QTextEdit& m_edit;
};
