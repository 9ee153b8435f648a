#include "export/ExportBuffer.h"

#include <cmath>
#include <utility>

namespace sentrel::exporting {

ExportBuffer::ExportBuffer() {
    bytes_.reserve(room_);
}

void ExportBuffer::append(QStringView text) {
    append(QByteArrayView(text.toUtf8()));
}

void ExportBuffer::append(QByteArrayView bytes) {
    makeRoom(bytes.size());
    bytes_.append(bytes);
}

// Grows the room to 1.5 times its last index, as often as needed for `extra` more bytes.
void ExportBuffer::makeRoom(qsizetype extra) {
    qsizetype room = room_;
    while (bytes_.size() + extra > room) {
        room = static_cast<qsizetype>(std::llround(1.5 * static_cast<double>(room - 1))) + 1;
    }
    if (room != room_) {
        room_ = room;
        bytes_.reserve(room_);
    }
}

QByteArray ExportBuffer::take() {
    QByteArray result = std::move(bytes_);
    result.squeeze();
    bytes_ = QByteArray();
    room_ = kInitialSize;
    return result;
}

}  // namespace sentrel::exporting
