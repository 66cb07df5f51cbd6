#include "core/import/SourceFile.h"

#include "core/import/ImportMessages.h"
#include "core/platform/TextEncoding.h"
#include "core/store/TimeStamp.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

std::optional<QString> ReadSourceText(const QString& path, ImportSink& problems) {
    QFile file(path);
    if (QFileInfo(path).size() > ImportMessages::kMaxFileBytes) {
        problems.note({path, ImportMessages::tooLarge()});
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problems.note({path, ImportMessages::cannotRead(file.errorString())});
        return std::nullopt;
    }
    // Read one byte past the limit: a file that grew since it was measured is still refused.
    const QByteArray bytes = file.read(ImportMessages::kMaxFileBytes + 1);
    if (bytes.size() > ImportMessages::kMaxFileBytes) {
        problems.note({path, ImportMessages::tooLarge()});
        return std::nullopt;
    }
    if (bytes.contains('\0')) {
        problems.note({path, ImportMessages::binaryFile()});
        return std::nullopt;
    }
    QByteArrayView view(bytes);
    if (view.startsWith("\xef\xbb\xbf"))
        view = view.sliced(3);
    return storedToText(std::string_view(view.data(), std::size_t(view.size())));
}

std::string TimeStampFromText(const QString& text, int hour) {
    static const QRegularExpression date(QStringLiteral(
        "^\\s*(\\d{4})-?(\\d{2})-?(\\d{2})(?:[ T_](\\d{1,2})[:h.-](\\d{2})(?::\\d{2}(?:\\.\\d+)?)?"
        "(?:Z|[+-]\\d{2}:?\\d{2})?)?"));
    const QRegularExpressionMatch m = date.match(text);
    if (!m.hasMatch())
        return {};
    const bool timed = m.hasCaptured(4);
    const COleDateTime when(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                            timed ? m.captured(4).toInt() : hour, timed ? m.captured(5).toInt() : 0,
                            0);
    return MakeTimeStamp(when);
}

bool SourceFolderThere(const QDir& folder, ImportSink& problems) {
    if (folder.exists())
        return true;
    problems.note({folder.path(), ImportMessages::noSource()});
    return false;
}

richtext::CharFormat BaseFormat(const ImportOptions& options) {
    richtext::CharFormat base;
    base.face = options.fontFace;
    base.halfPoints = options.halfPoints;
    return base;
}

void NoteMissingPictures(const QString& source, const QStringList& missing, ImportSink& problems) {
    for (const QString& picture : missing)
        problems.note({source, ImportMessages::pictureMissing(picture), true});
}
