#include "imagelib/Bmp.h"

namespace imagelib::bmp {

namespace {

// Walks the data with a cursor that refuses to read past its end.
class Cursor {
  public:
    explicit Cursor(Bytes data) : data_(data) {}
    bool has(std::size_t count) const { return data_.size() - offset_ >= count; }
    std::uint8_t next() { return data_[offset_++]; }
    void skip(std::size_t count) { offset_ += count; }

  private:
    Bytes data_;
    std::size_t offset_ = 0;
};

class Painter {
  public:
    Painter(int bitsPerIndex, const Palette& palette, IldaBitmap& picture, Progress& progress)
        : bitsPerIndex_(bitsPerIndex), palette_(palette), picture_(picture), progress_(progress) {}

    bool done() const { return y_ >= picture_.height; }

    // The count-th index of a run or of an absolute group whose byte holds it.
    void put(std::uint8_t byte, unsigned count) {
        const unsigned index = bitsPerIndex_ == 8 ? byte : count % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (x_ < picture_.width && !done()) {
            pictureRow(picture_, picture_.height - 1 - y_)[x_] = palette_[index];
        }
        ++x_;
    }

    bool moveDown(std::int64_t rows) {
        y_ += rows;
        return progress_.advance(static_cast<std::size_t>(rows),
                                 static_cast<std::size_t>(picture_.width) * 4);
    }
    bool nextLine() {
        x_ = 0;
        return moveDown(1);
    }
    bool delta(std::uint8_t right, std::uint8_t down) {
        x_ += right;
        return down == 0 || moveDown(down);
    }

  private:
    int bitsPerIndex_;
    const Palette& palette_;
    IldaBitmap& picture_;
    Progress& progress_;
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;
};

void run(Painter& painter, unsigned count, std::uint8_t value) {
    for (unsigned i = 0; i < count; ++i) painter.put(value, i);
}

// An absolute group of count indices, padded to a 16-bit boundary.
bool absolute(Cursor& cursor, Painter& painter, int bitsPerIndex, unsigned count) {
    const std::size_t bytes = bitsPerIndex == 8 ? count : (count + 1) / 2;
    const std::size_t padded = bytes + bytes % 2;
    if (!cursor.has(padded)) return false;
    std::uint8_t byte = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (bitsPerIndex == 8 || i % 2 == 0) byte = cursor.next();
        painter.put(byte, bitsPerIndex == 8 ? 0 : i);
    }
    cursor.skip(padded - bytes);
    return true;
}

// One escape (a zero count byte followed by this code). False when the data is bad or cut.
bool escape(Cursor& cursor, Painter& painter, int bitsPerIndex, std::uint8_t code, bool& finished) {
    switch (code) {
        case 0:
            return painter.nextLine();
        case 1:
            finished = true;
            return true;
        case 2: {
            if (!cursor.has(2)) return false;
            const std::uint8_t right = cursor.next();
            return painter.delta(right, cursor.next());
        }
        default:
            return absolute(cursor, painter, bitsPerIndex, code);
    }
}

}  // namespace

bool decodeRle(Bytes data, int bitsPerIndex, const Palette& palette, IldaBitmap& picture,
               Progress& progress) {
    Cursor cursor(data);
    Painter painter(bitsPerIndex, palette, picture, progress);
    bool finished = false;
    while (!finished) {
        if (!cursor.has(2)) return false;
        const std::uint8_t count = cursor.next();
        const std::uint8_t value = cursor.next();
        if (count > 0) {
            run(painter, count, value);
        } else if (!escape(cursor, painter, bitsPerIndex, value, finished)) {
            return false;
        }
    }
    return true;
}

}  // namespace imagelib::bmp
