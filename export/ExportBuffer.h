#pragma once

#include <QByteArray>
#include <QStringView>

namespace sentrel::exporting {

// The byte buffer a BDD text is assembled in: room for 300,001 bytes at first, and whenever
// that runs out the room grows by half, so that building a large file copies its bytes only
// a few times and the file is written in one piece. Text is stored as UTF-8.
class ExportBuffer {
  public:
    static constexpr qsizetype kInitialSize = 300001;

    ExportBuffer();

    void append(QStringView text);
    void append(QByteArrayView bytes);
    qsizetype size() const { return bytes_.size(); }

    // The bytes written, exactly; the buffer is empty afterwards.
    QByteArray take();

  private:
    void makeRoom(qsizetype extra);

    QByteArray bytes_;
    qsizetype room_ = kInitialSize;
};

}  // namespace sentrel::exporting
