#include "core/export/ZipWriter.h"

#include <QIODevice>

#include <algorithm>
#include <limits>

#include <zlib.h>

namespace {

constexpr quint16 kVersion = 20;          // 2.0: deflate
constexpr quint16 kUtf8Names = 1u << 11;  // names are UTF-8
constexpr quint16 kSizesFollow = 1u << 3; // a data descriptor follows the data
constexpr quint16 kDeflate = 8;
constexpr quint16 kDosDate = (0 << 9) | (1 << 5) | 1; // 1980-01-01: the output is the same
constexpr qsizetype kPiece = 64 * 1024;
constexpr quint64 kLimit = std::numeric_limits<quint32>::max();

class Bytes {
public:
    Bytes& u16(quint32 value) {
        m_bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
        return *this;
    }
    Bytes& u32(quint64 value) { return u16(quint32(value & 0xFFFF)).u16(quint32(value >> 16)); }
    Bytes& text(const QByteArray& bytes) {
        m_bytes += bytes;
        return *this;
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

quint16 flagsOf(bool deflated) {
    return deflated ? kUtf8Names | kSizesFollow : kUtf8Names;
}

} // namespace

struct ZipWriter::Stream {
    z_stream z{};
    Member member;
};

ZipWriter::ZipWriter(QIODevice& out) : m_out(out) {}

ZipWriter::~ZipWriter() {
    if (m_stream)
        deflateEnd(&m_stream->z);
}

bool ZipWriter::put(QByteArrayView bytes) {
    m_ok = m_ok && m_out.write(bytes.data(), bytes.size()) == bytes.size();
    m_written += quint64(bytes.size());
    return m_ok;
}

bool ZipWriter::header(const Member& member) {
    Bytes header;
    header.u32(0x04034b50).u16(kVersion).u16(flagsOf(member.deflated));
    header.u16(member.deflated ? kDeflate : 0).u16(0).u16(kDosDate);
    header.u32(member.crc).u32(member.compressed).u32(member.size);
    header.u16(quint32(member.name.size())).u16(0).text(member.name);
    return put(header.bytes());
}

bool ZipWriter::addStored(const QString& name, const QByteArray& bytes) {
    if (m_stream || quint64(bytes.size()) >= kLimit)
        return m_ok = false;
    Member member{name.toUtf8(), 0, quint64(bytes.size()), quint64(bytes.size()), m_written, false};
    member.crc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
    m_members.push_back(member);
    return header(member) && put(bytes);
}

bool ZipWriter::begin(const QString& name) {
    if (m_stream || !m_ok)
        return m_ok = false;
    m_stream = std::make_unique<Stream>();
    if (deflateInit2(&m_stream->z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        m_stream.reset();
        return m_ok = false;
    }
    m_stream->member = {name.toUtf8(), quint32(crc32(0, nullptr, 0)), 0, 0, m_written, true};
    return header(m_stream->member);
}

bool ZipWriter::deflate(QByteArrayView bytes, bool last) {
    z_stream& z = m_stream->z;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = uInt(bytes.size());
    QByteArray out(kPiece, Qt::Uninitialized);
    int result = Z_OK;
    do {
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        result = ::deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
        if (result == Z_STREAM_ERROR)
            return m_ok = false;
        const qsizetype produced = out.size() - qsizetype(z.avail_out);
        m_stream->member.compressed += quint64(produced);
        if (!put(QByteArrayView(out.constData(), produced)))
            return false;
    } while (z.avail_out == 0 || (last && result != Z_STREAM_END));
    return m_ok;
}

bool ZipWriter::write(QByteArrayView bytes) {
    if (!m_stream || !m_ok)
        return m_ok = false;
    Member& member = m_stream->member;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece) {
        const QByteArrayView piece = bytes.sliced(at, std::min(kPiece, bytes.size() - at));
        member.crc = quint32(
            crc32(member.crc, reinterpret_cast<const Bytef*>(piece.data()), uInt(piece.size())));
        member.size += quint64(piece.size());
        if (member.size >= kLimit || !deflate(piece, false))
            return m_ok = false;
    }
    return m_ok;
}

bool ZipWriter::end() {
    if (!m_stream || !m_ok || !deflate({}, true))
        return m_ok = false;
    const Member member = m_stream->member;
    deflateEnd(&m_stream->z);
    m_stream.reset();
    if (member.compressed >= kLimit)
        return m_ok = false;
    m_members.push_back(member);
    Bytes descriptor;
    descriptor.u32(0x08074b50).u32(member.crc).u32(member.compressed).u32(member.size);
    return put(descriptor.bytes());
}

bool ZipWriter::finish() {
    if (m_stream || !m_ok)
        return m_ok = false;
    const quint64 start = m_written;
    Bytes directory;
    for (const Member& m : m_members) {
        directory.u32(0x02014b50).u16(kVersion).u16(kVersion).u16(flagsOf(m.deflated));
        directory.u16(m.deflated ? kDeflate : 0).u16(0).u16(kDosDate);
        directory.u32(m.crc).u32(m.compressed).u32(m.size);
        directory.u16(quint32(m.name.size())).u16(0).u16(0).u16(0).u16(0).u32(0);
        directory.u32(m.offset).text(m.name);
    }
    const quint64 size = quint64(directory.bytes().size());
    if (start + size >= kLimit)
        return m_ok = false;
    directory.u32(0x06054b50).u16(0).u16(0).u16(quint32(m_members.size()));
    directory.u16(quint32(m_members.size())).u32(size).u32(start).u16(0);
    return put(directory.bytes());
}
