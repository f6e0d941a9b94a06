#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>

#include "platform/headless/HeadlessFont.h"
#include "platform/headless/RecordingSurface.h"

// Pictures, fonts, edit fields, shell services, folders and the single-instance hand-over.

namespace {

std::u16string ResourceKey(int id) {
    const std::string digits = std::to_string(id);
    return u"#" + std::u16string(digits.begin(), digits.end());
}

std::u16string WithSeparator(std::u16string folder) {
    if (!folder.empty() && folder.back() != u'/' && folder.back() != u'\\') {
        folder += u'/';
    }
    return folder;
}

PixelBuffer ToBuffer(const HeadlessImage& image) {
    const Size size = image.GetSize();
    PixelBuffer buffer(size);
    for (int y = 0; y < size.height && image.HasPixels(); ++y) {
        for (int x = 0; x < size.width; ++x) {
            const uint32_t rgb = image.RgbAt({x, y});
            buffer.Set({x, y}, Rgb(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)));
        }
    }
    return buffer;
}

std::vector<uint32_t> ToRgb(const PixelBuffer& buffer) {
    const Size size = buffer.GetSize();
    std::vector<uint32_t> rgb;
    rgb.reserve(size_t(size.width) * size_t(size.height));
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const Colour c = buffer.At({x, y});
            rgb.push_back((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
        }
    }
    return rgb;
}

} // namespace

void HeadlessPlatform::SetScreen(Size fullScreen, const Rect& workArea, int dpi) {
    setup_.screen = fullScreen;
    setup_.workArea = workArea;
    setup_.dpi = dpi;
}

void HeadlessPlatform::SetFolders(const std::u16string& program, const std::u16string& userDataBase,
                                  const std::u16string& current) {
    setup_.programFolder = WithSeparator(program);
    setup_.userDataBase = WithSeparator(userDataBase);
    setup_.currentFolder = WithSeparator(current);
}

// ---- Pictures and fonts ----

void HeadlessPlatform::AddImage(const std::u16string& path, Size size, std::vector<uint32_t> rgb) {
    registered_[path] = {size, std::move(rgb)};
}

void HeadlessPlatform::AddResourceImage(int id, Size size, std::vector<uint32_t> rgb) {
    registered_[ResourceKey(id)] = {size, std::move(rgb)};
}

std::unique_ptr<Image> HeadlessPlatform::FromRegistered(const std::u16string& key) {
    const auto found = registered_.find(key);
    if (found == registered_.end()) {
        return nullptr;
    }
    return std::make_unique<HeadlessImage>(found->second.size, found->second.rgb, key);
}

std::unique_ptr<Image> HeadlessPlatform::LoadImageFile(const std::u16string& path) {
    if (auto image = FromRegistered(path)) {
        return image;
    }
    std::optional<DecodedImage> decoded = ReadImageFile(path);
    if (!decoded) {
        return nullptr;
    }
    return std::make_unique<HeadlessImage>(decoded->size, std::move(decoded->rgb), path);
}

std::unique_ptr<Image> HeadlessPlatform::LoadResourceImage(int id) {
    const std::u16string key = ResourceKey(id);
    if (auto image = FromRegistered(key)) {
        return image;
    }
    const std::u16string base = ProgramFolder() + u"res/" + key.substr(1);
    for (const char16_t* extension : {u".bmp", u".png"}) {
        if (std::optional<DecodedImage> decoded = ReadImageFile(base + extension)) {
            return std::make_unique<HeadlessImage>(decoded->size, std::move(decoded->rgb), key);
        }
    }
    return nullptr;
}

std::unique_ptr<Image> HeadlessPlatform::CreateImage(Size size) {
    const size_t count = size_t(std::max(size.width, 0)) * size_t(std::max(size.height, 0));
    return std::make_unique<HeadlessImage>(size, std::vector<uint32_t>(count, 0), u"created");
}

void HeadlessPlatform::PaintInto(Image& image, const std::function<void(Surface&)>& paint) {
    auto* own = dynamic_cast<HeadlessImage*>(&image);
    if (!own || !paint) {
        return;
    }
    RecordingSurface surface(ToBuffer(*own));
    paint(surface);
    own->SetPixels(ToRgb(surface.Pixels()));
    own->SetLastPaint(surface.TakeOps());
}

std::unique_ptr<Font> HeadlessPlatform::MakeFont(const FontRequest& request) {
    fontsMade_.push_back(request);
    return std::make_unique<HeadlessFont>(request);
}

Size HeadlessPlatform::MeasureText(const std::u16string& text, const Font& font) const {
    const FontRequest& request = font.Attributes();
    const int height = request.height == 0 ? 16 : std::abs(request.height);
    const int width = request.width > 0 ? request.width : std::max(height / 2, 1);
    return {int(text.size()) * width, height};
}

std::unique_ptr<EditField> HeadlessPlatform::CreateEdit(WindowId parent, int id, const Rect& rect,
                                                        const Font& font, const EditStyle& style) {
    return std::make_unique<HeadlessEdit>(edits_, parent, id, rect, font.Attributes(), style);
}

HeadlessEdit* HeadlessPlatform::FindEdit(WindowId parent, int id) const {
    for (HeadlessEdit* edit : edits_->edits) {
        if (edit->Parent() == parent && edit->Id() == id) {
            return edit;
        }
    }
    return nullptr;
}

// ---- Shell ----

bool HeadlessPlatform::AddTrayIcon(WindowId window, int iconId, const std::u16string& tip,
                                   uint32_t callbackMessage) {
    if (!trayAvailable_ || !IsWindow(window)) {
        return false;
    }
    tray_ = TrayRecord{window, iconId, tip, callbackMessage};
    return true;
}

void HeadlessPlatform::RemoveTrayIcon(WindowId window) {
    if (tray_ && tray_->window == window) {
        tray_.reset();
    }
}

int HeadlessPlatform::PopupMenu(WindowId window, const std::vector<MenuItem>& items, Point screen) {
    menus_.push_back({window, items, screen});
    const bool offered = std::any_of(
        items.begin(), items.end(), [this](const MenuItem& i) { return i.command == menuAnswer_; });
    const int command = menuAnswer_ != 0 && offered ? menuAnswer_ : 0;
    if (command != 0) {
        Post(window, Msg::Command, uintptr_t(command), 0);
    }
    return command;
}

std::optional<std::u16string> HeadlessPlatform::OpenFileDialog(WindowId owner,
                                                               const FileDialogRequest& request) {
    fileDialogs_.push_back({false, owner, request});
    return openAnswer_;
}

std::optional<std::u16string> HeadlessPlatform::SaveFileDialog(WindowId owner,
                                                               const FileDialogRequest& request) {
    fileDialogs_.push_back({true, owner, request});
    return saveAnswer_;
}

bool HeadlessPlatform::ShellOpen(const std::u16string& target) {
    shellOpened_.push_back(target);
    return shellOpenResult_;
}

bool HeadlessPlatform::OpenMouseSettings() {
    ++mouseSettingsOpened_;
    return true;
}

// ---- Single instance ----

bool HeadlessPlatform::ClaimSingleInstance(const std::u16string& name) {
    HeadlessPlatform* holder = registry_.Holder(name);
    if (holder && holder != this) {
        holder->HandOver();
        return false;
    }
    registry_.Claim(name, *this);
    return true;
}

void HeadlessPlatform::SetHandOverWindow(WindowId window, uint32_t handOverMessage) {
    handOverWindow_ = IsWindow(window) ? window : 0;
    handOverMessage_ = handOverMessage;
}

void HeadlessPlatform::HandOver() {
    if (handOverWindow_ != 0) {
        Send(handOverWindow_, handOverMessage_, 0, 0);
    }
}

// ---- Folders, time ----

bool HeadlessPlatform::EnsureFolder(const std::u16string& path) {
    const std::filesystem::path folder(path);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

void HeadlessPlatform::SleepMs(int ms) {
    slept_ += uint64_t(std::max(ms, 0));
}
