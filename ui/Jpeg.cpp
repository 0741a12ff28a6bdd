#include "ui/Jpeg.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <QFile>
#include <string>

#include "platform/Error.h"

namespace {

// A header that claims more pixels than this is taken for damage rather than
// allocated: the program's own pictures are a few hundred pixels a side.
constexpr unsigned long long kMaxPixels = 1ULL << 26;
// A progressive picture may hold any number of scans; thousands of them are an
// attack on the decoder's time, not a picture.
constexpr int kMaxScans = 1000;

// libjpeg reports a failure by calling error_exit, which must not return.
// Throwing through libjpeg's C frames is not safe, so it jumps back to the
// setjmp of the step that called libjpeg. Those steps hold no objects with
// destructors, and the message is turned into an Error only after the jump.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf failed{};
    char message[JMSG_LENGTH_MAX]{};
};

Decoder& DecoderOf(j_common_ptr info) {
    return *static_cast<Decoder*>(info->client_data);
}

[[noreturn]] void Fail(j_common_ptr info) {
    Decoder& decoder = DecoderOf(info);
    (*info->err->format_message)(info, decoder.message);
    std::longjmp(decoder.failed, 1);
}

// libjpeg only warns about corrupt data and about a picture that ends early,
// and then goes on with grey; such a picture is damaged, so it fails here.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        Fail(info);
    }
}

void OnProgress(j_common_ptr info) {
    Decoder& decoder = DecoderOf(info);
    if (decoder.info.input_scan_number > kMaxScans) {
        std::snprintf(decoder.message, sizeof decoder.message, "More than %d scans", kMaxScans);
        std::longjmp(decoder.failed, 1);
    }
}

// Closes the decoder whichever way the decoding ends; harmless on a decoder
// that was never created, since its fields are all zero.
class DecoderGuard {
public:
    explicit DecoderGuard(Decoder& decoder) : decoder_(decoder) {}
    DecoderGuard(const DecoderGuard&) = delete;
    DecoderGuard& operator=(const DecoderGuard&) = delete;
    ~DecoderGuard() { jpeg_destroy_decompress(&decoder_.info); }

private:
    Decoder& decoder_;
};

bool ReadHeader(Decoder& decoder, const unsigned char* data, unsigned long size) {
    if (setjmp(decoder.failed) != 0) {
        return false;
    }
    jpeg_create_decompress(&decoder.info);
    decoder.info.progress = &decoder.progress;
    jpeg_mem_src(&decoder.info, data, size);
    jpeg_read_header(&decoder.info, TRUE);
    decoder.info.out_color_space = JCS_RGB;
    return true;
}

bool StartDecompress(Decoder& decoder) {
    if (setjmp(decoder.failed) != 0) {
        return false;
    }
    jpeg_start_decompress(&decoder.info);
    return true;
}

bool ReadRows(Decoder& decoder, unsigned char* bits, std::size_t bytesPerLine) {
    if (setjmp(decoder.failed) != 0) {
        return false;
    }
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = bits + decoder.info.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    jpeg_finish_decompress(&decoder.info);
    return true;
}

[[noreturn]] void ThrowDamaged(const Decoder& decoder) {
    throw Error(std::string("Cannot decode JPEG picture: ") + decoder.message);
}

void CheckSize(const jpeg_decompress_struct& info) {
    const unsigned long long pixels =
        static_cast<unsigned long long>(info.image_width) * info.image_height;
    if (pixels > kMaxPixels) {
        throw Error("JPEG picture too large: " + std::to_string(info.image_width) + " x " +
                    std::to_string(info.image_height) + " pixels");
    }
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    Decoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.errors);
    decoder.errors.error_exit = Fail;
    decoder.errors.emit_message = OnMessage;
    decoder.info.client_data = &decoder;
    decoder.progress.progress_monitor = OnProgress;
    const DecoderGuard guard(decoder);

    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!ReadHeader(decoder, data, static_cast<unsigned long>(bytes.size()))) {
        ThrowDamaged(decoder);
    }
    CheckSize(decoder.info);
    if (!StartDecompress(decoder)) {
        ThrowDamaged(decoder);
    }
    QImage image(static_cast<int>(decoder.info.output_width),
                 static_cast<int>(decoder.info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        throw Error("Not enough memory for a JPEG picture");
    }
    if (!ReadRows(decoder, image.bits(), static_cast<std::size_t>(image.bytesPerLine()))) {
        ThrowDamaged(decoder);
    }
    return image;
}

QImage LoadJpegResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error("Picture not found: " + path.toStdString());
    }
    try {
        return DecodeJpeg(file.readAll());
    } catch (const Error& error) {
        throw Error(path.toStdString() + ": " + error.what());
    }
}
