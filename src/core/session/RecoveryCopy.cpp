#include "core/session/RecoveryCopy.h"

#include "core/protect/BlowfishEngine.h"
#include "core/protect/Md5.h"
#include "core/store/CHiddenRichEdit.h"

#include <QDataStream>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr char kMagic[] = "QBKRCPY1";
constexpr int kMagicBytes = 8;
constexpr int kDigestBytes = 16;
// Far beyond any entry: a file larger than this is no copy of ours.
constexpr qsizetype kLargestCopy = qsizetype(1) << 30;
constexpr int kFirstWords = 8;

QByteArray digestOf(QByteArrayView bytes) {
    const Md5::Digest digest = Md5::of(std::string_view(bytes.data(), size_t(bytes.size())));
    return QByteArray(reinterpret_cast<const char*>(digest.data()), kDigestBytes);
}

QByteArray bytesOf(const std::string& text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

QString RecoveryCopy::firstWords() const {
    const QStringList words =
        CHiddenRichEdit::ShownText(CHiddenRichEdit::SF_RTF, rtf).simplified().split(u' ');
    const QString shown = words.mid(0, kFirstWords).join(u' ');
    return words.size() > kFirstWords ? shown + QStringLiteral("...") : shown;
}

QByteArray RecoveryCopy::seal(const BlowfishEngine& keyed) const {
    QByteArray plain;
    plain.reserve(qsizetype(rtf.size() + journal.size() + 128));
    {
        QDataStream out(&plain, QIODevice::WriteOnly);
        out.writeRawData(kMagic, kMagicBytes);
        out << bytesOf(journal) << bytesOf(entryId) << qint64(made.toMSecsSinceEpoch())
            << bytesOf(rtf);
    }
    plain += digestOf(plain);
    const qsizetype length = plain.size();
    plain.resize(length + 7);
    const int sealed =
        keyed.EncipherBuffer(reinterpret_cast<unsigned char*>(plain.data()), int(length));
    plain.resize(sealed);
    return plain;
}

std::optional<RecoveryCopy> RecoveryCopy::unseal(QByteArray sealed, const BlowfishEngine& keyed,
                                                 const std::string& journal) {
    if (sealed.size() > kLargestCopy || sealed.size() % 8 != 0 || sealed.size() < 32)
        return std::nullopt;
    keyed.DecipherBuffer(reinterpret_cast<unsigned char*>(sealed.data()), int(sealed.size()));
    if (!sealed.startsWith(QByteArrayView(kMagic, kMagicBytes)))
        return std::nullopt; // another key: another journal, or a wrong password
    QDataStream in(sealed);
    in.skipRawData(kMagicBytes);
    QByteArray journalBytes, entryBytes, rtfBytes;
    qint64 made = 0;
    in >> journalBytes >> entryBytes >> made >> rtfBytes;
    const qsizetype end = in.device()->pos();
    if (in.status() != QDataStream::Ok || end + kDigestBytes > sealed.size() ||
        sealed.mid(end, kDigestBytes) != digestOf(QByteArrayView(sealed).first(end)) ||
        journalBytes.toStdString() != journal)
        return std::nullopt;
    return RecoveryCopy{journal, entryBytes.toStdString(), QDateTime::fromMSecsSinceEpoch(made),
                        rtfBytes.toStdString()};
}

std::string RecoveryCopy::journalName(const std::string& path) {
    const QFileInfo file(QFile::decodeName(path.c_str()));
    const QString canonical = file.canonicalFilePath();
    return QFile::encodeName(canonical.isEmpty() ? file.absoluteFilePath() : canonical)
        .toStdString();
}
