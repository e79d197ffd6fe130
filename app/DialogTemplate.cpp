#include "app/DialogTemplate.h"

#include "app/WindowStyles.h"

namespace lumet {

namespace {

constexpr std::uint16_t kOrdinalMarker = 0xFFFF;

class TemplateWriter {
public:
    void Byte(std::uint8_t value) { bytes_.push_back(value); }
    void Word(std::uint16_t value) {
        Byte(static_cast<std::uint8_t>(value & 0xFFu));
        Byte(static_cast<std::uint8_t>(value >> 8));
    }
    void Short(std::int16_t value) { Word(static_cast<std::uint16_t>(value)); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFFu));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void String(const std::u16string& text) {
        for (const char16_t c : text) {
            Word(static_cast<std::uint16_t>(c));
        }
        Word(0);
    }
    void Name(const ResourceName& name) {
        if (name.ordinal) {
            Word(kOrdinalMarker);
            Word(*name.ordinal);
        } else {
            String(name.text);
        }
    }
    void Rect(const DialogRect& rect) {
        Short(rect.x);
        Short(rect.y);
        Short(rect.width);
        Short(rect.height);
    }
    void AlignToDword() {
        while (bytes_.size() % 4 != 0) {
            Byte(0);
        }
    }

    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads little-endian fields without ever leaving the bytes: a read past the end
// yields 0 and marks the reader as failed.
class TemplateReader {
public:
    explicit TemplateReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Failed() const { return failed_; }
    std::size_t Offset() const { return offset_; }

    std::uint8_t Byte() {
        if (failed_ || offset_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return bytes_[offset_++];
    }
    std::uint16_t Word() {
        const std::uint8_t low = Byte();
        const std::uint8_t high = Byte();
        return static_cast<std::uint16_t>(low | high << 8);
    }
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
    std::uint32_t Dword() {
        const std::uint32_t low = Word();
        const std::uint32_t high = Word();
        return low | high << 16;
    }
    std::u16string String() {
        std::u16string text;
        for (std::uint16_t c = Word(); c != 0 && !failed_; c = Word()) {
            text.push_back(static_cast<char16_t>(c));
        }
        return text;
    }
    // A variable field, told apart by its whole first word: 0 is empty, 0xFFFF
    // announces an ordinal, anything else starts a string.
    ResourceName Name() {
        const std::size_t start = offset_;
        const std::uint16_t first = Word();
        if (first == 0) {
            return {};
        }
        if (first == kOrdinalMarker) {
            return ResourceName::Ordinal(Word());
        }
        offset_ = start;
        return ResourceName::Text(String());
    }
    DialogRect Rect() {
        DialogRect rect;
        rect.x = Short();
        rect.y = Short();
        rect.width = Short();
        rect.height = Short();
        return rect;
    }
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t start = offset_;
        Skip(count);
        if (failed_) {
            return {};
        }
        return {bytes_.begin() + static_cast<std::ptrdiff_t>(start),
                bytes_.begin() + static_cast<std::ptrdiff_t>(offset_)};
    }
    void Skip(std::size_t count) {
        if (failed_ || count > bytes_.size() - offset_) {
            failed_ = true;
            return;
        }
        offset_ += count;
    }
    void AlignToDword() { Skip((4 - offset_ % 4) % 4); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};

bool HasFontStyle(std::uint32_t style) {
    return (style & dialog_style::kSetFont) != 0;
}

// Reads the fixed header and the menu, class and title fields; nothing when the
// bytes are no extended template.
std::optional<DialogTemplate> ReadHead(TemplateReader& reader, std::uint16_t& itemCount) {
    DialogTemplate dialog;
    const std::uint16_t version = reader.Word();
    const std::uint16_t signature = reader.Word();
    dialog.helpId = reader.Dword();
    dialog.exStyle = reader.Dword();
    dialog.style = reader.Dword();
    itemCount = reader.Word();
    dialog.rect = reader.Rect();
    if (reader.Failed() || version != DialogTemplate::kVersion ||
        signature != DialogTemplate::kSignature) {
        return std::nullopt;
    }
    dialog.menu = reader.Name();
    dialog.windowClass = reader.Name();
    dialog.title = reader.Name();
    if (reader.Failed()) {
        return std::nullopt;
    }
    return dialog;
}

DialogItem ReadItem(TemplateReader& reader) {
    DialogItem item;
    reader.AlignToDword();
    item.helpId = reader.Dword();
    item.exStyle = reader.Dword();
    item.style = reader.Dword();
    item.rect = reader.Rect();
    item.id = reader.Dword();
    item.windowClass = reader.Name();
    item.title = reader.Name();
    const std::uint16_t extraCount = reader.Word();
    item.creationData = reader.Bytes(extraCount);
    return item;
}

} // namespace

bool DialogTemplate::HasFont() const {
    return HasFontStyle(style);
}

std::vector<std::uint8_t> DialogTemplate::Encode() const {
    TemplateWriter writer;
    writer.Word(kVersion);
    writer.Word(kSignature);
    writer.Dword(helpId);
    writer.Dword(exStyle);
    writer.Dword(style);
    writer.Word(static_cast<std::uint16_t>(items.size()));
    writer.Rect(rect);
    writer.Name(menu);
    writer.Name(windowClass);
    writer.Name(title);
    if (HasFont()) {
        writer.Word(pointSize);
        writer.Word(weight);
        writer.Byte(italic);
        writer.Byte(charset);
        writer.String(typeface);
    }
    for (const DialogItem& item : items) {
        writer.AlignToDword();
        writer.Dword(item.helpId);
        writer.Dword(item.exStyle);
        writer.Dword(item.style);
        writer.Rect(item.rect);
        writer.Dword(item.id);
        writer.Name(item.windowClass);
        writer.Name(item.title);
        writer.Word(static_cast<std::uint16_t>(item.creationData.size()));
        for (const std::uint8_t byte : item.creationData) {
            writer.Byte(byte);
        }
    }
    return writer.Take();
}

std::optional<DialogTemplate> DialogTemplate::Parse(std::span<const std::uint8_t> bytes) {
    TemplateReader reader(bytes);
    std::uint16_t itemCount = 0;
    std::optional<DialogTemplate> dialog = ReadHead(reader, itemCount);
    if (!dialog) {
        return std::nullopt;
    }
    if (dialog->HasFont()) {
        dialog->pointSize = reader.Word();
        dialog->weight = reader.Word();
        dialog->italic = reader.Byte();
        dialog->charset = reader.Byte();
        dialog->typeface = reader.String();
    }
    for (std::uint16_t i = 0; i < itemCount && !reader.Failed(); ++i) {
        dialog->items.push_back(ReadItem(reader));
    }
    if (reader.Failed()) {
        return std::nullopt;
    }
    return dialog;
}

std::optional<std::size_t> DialogTemplate::PointSizeOffset(std::span<const std::uint8_t> bytes) {
    TemplateReader reader(bytes);
    std::uint16_t itemCount = 0;
    const std::optional<DialogTemplate> head = ReadHead(reader, itemCount);
    if (!head || !head->HasFont()) {
        return std::nullopt;
    }
    const std::size_t offset = reader.Offset();
    reader.Word();
    if (reader.Failed()) {
        return std::nullopt;
    }
    return offset;
}

} // namespace lumet
