#include "log/LogReader.h"

#include "log/LogRecord.h"
#include "log/Progress.h"
#include "core/Cp1252.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// More lines than records of the smallest size fit under the size limit: the empty lines
// of a crafted file would otherwise cost more memory than the file has bytes.
constexpr qsizetype LineLimit = qsizetype(LogSizeLimit / (LogRecordPrefixLength + 2));
// A line longer than any record is kept only this far.
constexpr qsizetype LineByteLimit = 4096;
// A file that takes up less than this share of its size on disk is mostly holes.
constexpr qint64 SparseShare = 4;
constexpr qint64 SparseFrom = qint64(1) << 20;
constexpr qsizetype ChunkSize = 1 << 16;

QString megabytes(qint64 bytes)
{
    return GermanDecimal(double(bytes) / double(1 << 20), 1) + QStringLiteral(" MB");
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Collects the masked bytes of the line being read and hands each whole line on, in
// buffers kept from line to line.
class LineCollector
{
public:
    explicit LineCollector(const RecordSink &sink) : sink_(sink) {}

    // False once more lines came than a log can hold.
    bool take(const char *bytes, qsizetype size)
    {
        const char *end = bytes + size;
        for (const char *at = bytes; at < end;) {
            if (afterCr_ && *at == '\n') {
                afterCr_ = false;
                ++at;
                continue;
            }
            const char *lineEnd = std::find_if(at, end, isLineEnd);
            line_.append(at, std::min<qsizetype>(lineEnd - at, LineByteLimit - line_.size()));
            if (lineEnd == end)
                return true;
            afterCr_ = *lineEnd == '\r';
            at = lineEnd + 1;
            if (!finishLine())
                return false;
        }
        return true;
    }

    bool finish() { return line_.isEmpty() || finishLine(); }

private:
    bool finishLine()
    {
        if (++lines_ > LineLimit)
            return false;
        // Unmasked where it lies: the line is not needed any more.
        line_ = MaskLogText(std::move(line_));
        DecodeCp1252Into(line_, record_);
        sink_(record_);
        line_.resize(0);
        return true;
    }

    const RecordSink &sink_;
    QByteArray line_;
    QString record_;
    qsizetype lines_ = 0;
    bool afterCr_ = false;
};

} // namespace

std::optional<QString> LogSizeProblem(const struct stat &status)
{
    const qint64 size = status.st_size;
    if (size > LogSizeLimit) {
        return QStringLiteral("Sie ist %1 groß; gelesen werden höchstens %2.")
            .arg(megabytes(size), megabytes(LogSizeLimit));
    }
    const qint64 allocated = qint64(status.st_blocks) * 512;
    if (size >= SparseFrom && allocated < size / SparseShare) {
        return QStringLiteral("Sie ist %1 groß, belegt auf dem Datenträger aber nur %2.")
            .arg(megabytes(size), megabytes(allocated));
    }
    return std::nullopt;
}

QString TooManyLinesProblem()
{
    return QStringLiteral("Sie hat mehr als %1 Zeilen.").arg(LineLimit);
}

StoredRead ReadStoredRecords(int fd, const RecordSink &sink)
{
    LineCollector lines(sink);
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return StoredRead::Failed;
        if (got == 0)
            return lines.finish() ? StoredRead::Done : StoredRead::TooManyLines;
        if (!lines.take(buffer.constData(), got))
            return StoredRead::TooManyLines;
    }
}
