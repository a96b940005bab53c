// JPEG through libjpeg-turbo. Grey and colour pictures come out of the library as B, G, R, A
// bytes straight into the picture's rows (0xAARRGGBB on little-endian machines); CMYK ones
// are converted row by row.
// jpeglib.h needs FILE and size_t declared first.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <bit>
#include <csetjmp>

#include "imagelib/Decoders.h"

static_assert(std::endian::native == std::endian::little, "BGRA bytes must read as 0xAARRGGBB");

namespace imagelib {

namespace {

// A progressive file may say that it is huge and then repeat near-empty scans over the whole
// picture; these bound the coefficient memory and the work such a file can ask for.
constexpr long kMaxMemory = 512L * 1024 * 1024;
constexpr int kMaxScans = 100;

// Everything libjpeg reaches through its callbacks; cinfo.client_data points here.
struct Session {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr monitor{};
    std::jmp_buf jump{};
    Progress* progress = nullptr;
    JDIMENSION rowsSeen = 0;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    // Safe also when jpeg_create_decompress never ran: the memory manager is then null.
    ~Session() { jpeg_destroy_decompress(&cinfo); }
};

Session& sessionOf(j_common_ptr cinfo) { return *static_cast<Session*>(cinfo->client_data); }

[[noreturn]] void fail(j_common_ptr cinfo) { std::longjmp(sessionOf(cinfo).jump, 1); }

// Warnings that mean the coded data is damaged. libjpeg would go on with grey blocks; we refuse,
// which also keeps a few bytes claiming a huge picture from costing the decode of all of it.
bool damaged(int code) {
    switch (code) {
        case JWRN_ARITH_BAD_CODE:
        case JWRN_BOGUS_PROGRESSION:
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_JPEG_EOF:
        case JWRN_MUST_RESYNC:
            return true;
        default:
            return false;
    }
}

// Nothing is printed; harmless warnings (an unknown JFIF revision, stray bytes between
// markers) are let pass.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && damaged(cinfo->err->msg_code)) fail(cinfo);
}
void ignoreOutput(j_common_ptr) {}

// The data is all in memory: nothing to open or close.
void nothingToDo(j_decompress_ptr) {}

// All the data is there from the start, so needing more means the file was cut.
boolean refill(j_decompress_ptr cinfo) { fail(reinterpret_cast<j_common_ptr>(cinfo)); }

void skip(j_decompress_ptr cinfo, long count) {
    jpeg_source_mgr& source = *cinfo->src;
    if (count <= 0) return;
    const std::size_t step = std::min(static_cast<std::size_t>(count), source.bytes_in_buffer);
    source.next_input_byte += step;
    source.bytes_in_buffer -= step;
}

// Called by libjpeg for every read of rows and, for files of several scans, for every band of
// input while it collects them.
void monitor(j_common_ptr common) {
    Session& session = sessionOf(common);
    const jpeg_decompress_struct& cinfo = session.cinfo;
    const JDIMENSION rows = std::max<JDIMENSION>(cinfo.output_scanline - session.rowsSeen, 1);
    session.rowsSeen = cinfo.output_scanline;
    if (cinfo.input_scan_number > kMaxScans ||
        !session.progress->advance(rows, static_cast<std::size_t>(cinfo.image_width) * 4)) {
        fail(common);
    }
}

void connect(Session& session, Bytes data, Progress& progress) {
    session.cinfo.err = jpeg_std_error(&session.errors);
    session.errors.error_exit = fail;
    session.errors.emit_message = onMessage;
    session.errors.output_message = ignoreOutput;
    session.cinfo.client_data = &session;
    session.source.next_input_byte = data.data();
    session.source.bytes_in_buffer = data.size();
    session.source.init_source = nothingToDo;
    session.source.fill_input_buffer = refill;
    session.source.skip_input_data = skip;
    session.source.resync_to_restart = jpeg_resync_to_restart;
    session.source.term_source = nothingToDo;
    session.monitor.progress_monitor = monitor;
    session.progress = &progress;
}

bool isCmyk(const jpeg_decompress_struct& cinfo) {
    return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

// Files with an Adobe marker store CMYK inverted (255 = no ink), as Photoshop writes them.
void cmykToArgb(const JSAMPLE* cmyk, std::uint32_t* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        const auto level = [&](int i) {
            return static_cast<unsigned>(inverted ? cmyk[i] : 255 - cmyk[i]);
        };
        const unsigned k = level(3);
        out[x] = 0xFF000000u | (level(0) * k / 255) << 16 | (level(1) * k / 255) << 8 |
                 level(2) * k / 255;
    }
}

void readBgraRows(jpeg_decompress_struct& cinfo, IldaBitmap& picture) {
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(pictureRow(picture, cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
}

void readCmykRows(jpeg_decompress_struct& cinfo, IldaBitmap& picture) {
    // From libjpeg's own pool, so that an error exit frees it with everything else.
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * 4, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION y = cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, row, 1);
        cmykToArgb(row[0], pictureRow(picture, y), cinfo.output_width, cinfo.saw_Adobe_marker);
    }
}

// libjpeg leaves this frame by longjmp on any error, so it holds nothing with a destructor:
// the picture belongs to the caller.
bool decodeInto(Session& session, Picture& picture) {
    jpeg_decompress_struct& cinfo = session.cinfo;
    if (setjmp(session.jump)) return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxMemory;
    cinfo.src = &session.source;
    cinfo.progress = &session.monitor;
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    if (!fitsBounds(cinfo.image_width, cinfo.image_height)) return false;
    const bool cmyk = isCmyk(cinfo);
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    picture = makePicture(cinfo.output_width, cinfo.output_height);
    if (!picture) return false;
    if (cmyk) {
        readCmykRows(cinfo, *picture);
    } else {
        readBgraRows(cinfo, *picture);
    }
    jpeg_finish_decompress(&cinfo);  // up to the end marker: a cut file is refused
    return true;
}

}  // namespace

Picture decodeJpeg(Bytes data, Progress& progress) {
    Session session;
    connect(session, data, progress);
    Picture picture;
    if (!decodeInto(session, picture)) return nullptr;
    return picture;
}

}  // namespace imagelib
