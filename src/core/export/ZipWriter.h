#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// A zip archive written front to back, for devices that cannot seek back: a deflated member's
// sizes and checksum follow its data, and the central directory gathers them at the end.
// Members are streamed, so none has to be held whole. No member may reach 4 GiB.
class ZipWriter {
public:
    explicit ZipWriter(QIODevice& out);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // A member kept as it is, its sizes in its header (what readers look for first, such as an
    // OpenDocument's mimetype).
    bool addStored(const QString& name, const QByteArray& bytes);
    // A deflated member, written piece by piece between begin and end.
    bool begin(const QString& name);
    bool write(QByteArrayView bytes);
    bool end();
    // The central directory; the archive is complete.
    bool finish();

private:
    struct Member {
        QByteArray name;
        quint32 crc = 0;
        quint64 compressed = 0;
        quint64 size = 0;
        quint64 offset = 0;
        bool deflated = false;
    };
    bool put(QByteArrayView bytes);
    bool header(const Member& member);
    bool deflate(QByteArrayView bytes, bool last);

    QIODevice& m_out;
    quint64 m_written = 0;
    std::vector<Member> m_members;
    struct Stream;
    std::unique_ptr<Stream> m_stream; // the open deflated member's compressor
    bool m_ok = true;
};
