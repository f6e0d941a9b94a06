#include "platform/qt/QtPlatformBackend.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <cmath>
#include <thread>

#include "device/hid/HidrawBus.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtEdit.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtImage.h"

// Screen, pictures, fonts, edit fields, shell services, folders, time.

namespace {

constexpr uint32_t kCapturedKeyMessage = Msg::User + 1;
constexpr uint32_t kReleaseBit = 0x80000000u;

struct SettingsProgram {
    const char* program;
    const char* arguments[2];
};

// The mouse settings of the common desktops, tried in turn.
constexpr SettingsProgram kMouseSettings[] = {
    {"gnome-control-center", {"mouse", nullptr}},
    {"systemsettings", {"kcm_mouse", nullptr}},
    {"xfce4-mouse-settings", {nullptr, nullptr}},
    {"lxqt-config-input", {nullptr, nullptr}},
};

std::u16string WithSeparator(const QString& folder) {
    return FromQString(folder.endsWith(u'/') ? folder : folder + u'/');
}

QString FindProgramFolder() {
    const QDir here(QCoreApplication::applicationDirPath());
    if (here.exists(QStringLiteral("skins"))) {
        return here.absolutePath();
    }
    const QDir installed(here.absoluteFilePath(QStringLiteral("../share/corvex")));
    return installed.exists() ? installed.canonicalPath() : here.absolutePath();
}

QScreen* Screen() {
    return QGuiApplication::primaryScreen();
}

} // namespace

QtPlatform::QtPlatform(QtPlatformOptions options, std::unique_ptr<QApplication> app)
    : app_(std::move(app)), tasks_(std::make_unique<QtTaskQueue>()) {
    QApplication::setQuitOnLastWindowClosed(false);
    programFolder_ = options.programFolder.empty()
                         ? WithSeparator(FindProgramFolder())
                         : WithSeparator(ToQString(options.programFolder));
    userDataBase_ =
        options.userDataBase.empty()
            ? WithSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            : WithSeparator(ToQString(options.userDataBase));
    termination_ = std::make_unique<QtTermination>([this] { CloseAllWindows(); });
}

// Handlers belong to the program and may be gone already, so none is called here.
QtPlatform::~QtPlatform() {
    StopKeyCapture();
    tray_.reset();
    for (auto& [id, entry] : windows_) {
        entry.widget->Detach();
        retired_.emplace_back(entry.widget);
    }
    windows_.clear();
    for (auto it = retired_.rbegin(); it != retired_.rend(); ++it) {
        delete it->data();
    }
    instance_.reset();
    tasks_.reset();
}

// ---- Screen ----

Size QtPlatform::FullScreenSize() const {
    const QScreen* screen = Screen();
    return screen ? Size{screen->availableGeometry().width(), screen->availableGeometry().height()}
                  : Size{};
}

Rect QtPlatform::WorkArea() const {
    const QScreen* screen = Screen();
    return screen ? FromQRect(screen->availableGeometry()) : Rect{};
}

int QtPlatform::LogicalDpi() const {
    const QScreen* screen = Screen();
    return screen ? int(std::lround(screen->logicalDotsPerInchX())) : 96;
}

// The screen as the window system shows it; where it cannot be read, the program's own topmost
// window there.
Colour QtPlatform::ScreenPixel(Point screen) const {
    if (QScreen* s = Screen()) {
        const QImage grabbed = s->grabWindow(0, screen.x, screen.y, 1, 1).toImage();
        if (!grabbed.isNull() && grabbed.width() >= 1 && grabbed.height() >= 1) {
            const QRgb rgb = grabbed.pixel(0, 0);
            return Rgb(uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb)));
        }
    }
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const QtWindow* widget = it->second.widget;
        const QPoint at = widget->mapFromGlobal(ToQPoint(screen));
        if (widget->isVisible() && widget->Frame().rect().contains(at)) {
            const QRgb rgb = widget->Frame().pixel(at);
            return Rgb(uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb)));
        }
    }
    return 0;
}

// ---- Pictures and fonts ----

std::unique_ptr<Image> QtPlatform::LoadImageFile(const std::u16string& path) {
    std::optional<QImage> image = QtImage::Read(ToQString(path));
    return image ? std::make_unique<QtImage>(std::move(*image)) : nullptr;
}

std::unique_ptr<Image> QtPlatform::LoadResourceImage(int id) {
    const QString base = ToQString(programFolder_) + QStringLiteral("res/") + QString::number(id);
    for (const char* extension : {".bmp", ".png"}) {
        if (std::optional<QImage> image = QtImage::Read(base + QLatin1String(extension))) {
            return std::make_unique<QtImage>(std::move(*image));
        }
    }
    return nullptr;
}

const QImage* QtPlatform::Icon(int iconId) {
    auto found = icons_.find(iconId);
    if (found == icons_.end()) {
        std::unique_ptr<Image> image = LoadResourceImage(iconId);
        QImage pixels = image ? static_cast<QtImage&>(*image).Pixels() : QImage();
        found = icons_.emplace(iconId, std::move(pixels)).first;
    }
    return found->second.isNull() ? nullptr : &found->second;
}

std::unique_ptr<Image> QtPlatform::CreateImage(Size size) {
    QImage image(std::max(size.width, 0), std::max(size.height, 0),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return std::make_unique<QtImage>(std::move(image));
}

void QtPlatform::PaintInto(Image& image, const std::function<void(Surface&)>& paint) {
    auto* own = dynamic_cast<QtImage*>(&image);
    if (!own || !paint || own->Pixels().isNull()) {
        return;
    }
    {
        QtSurface surface(own->Pixels(), [this](int iconId) { return Icon(iconId); });
        paint(surface);
    }
    own->Changed();
}

std::unique_ptr<Font> QtPlatform::MakeFont(const FontRequest& request) {
    return std::make_unique<QtFont>(request);
}

FontRequest QtPlatform::DefaultGuiFont() const {
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : int(std::lround(font.pointSizeF() * LogicalDpi() / 72.0));
    return {FromQString(font.family()), -std::max(pixels, 1), 0, 400, 1, 0};
}

Size QtPlatform::MeasureText(const std::u16string& text, const Font& font) const {
    const QFontMetrics metrics(QFontOf(font));
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

std::unique_ptr<EditField> QtPlatform::CreateEdit(WindowId parent, int id, const Rect& rect,
                                                  const Font& font, const EditStyle& style) {
    QtWindow* widget = Widget(parent);
    if (!widget) {
        return nullptr;
    }
    return std::make_unique<QtEdit>(*widget, id, rect, font, style, [this, parent](uintptr_t w) {
        Send(parent, Msg::Command, w, 0);
    });
}

// ---- Tray and menus ----

bool QtPlatform::AddTrayIcon(WindowId window, int iconId, const std::u16string& tip,
                             uint32_t callbackMessage) {
    const QImage* icon = Icon(iconId);
    if (!IsWindow(window) || !QSystemTrayIcon::isSystemTrayAvailable()) {
        trayRefusedWindow_ = window;
        return false;
    }
    tray_ = std::make_unique<QSystemTrayIcon>();
    if (icon) {
        tray_->setIcon(QIcon(QPixmap::fromImage(*icon)));
    }
    tray_->setToolTip(ToQString(tip));
    QObject::connect(
        tray_.get(), &QSystemTrayIcon::activated, tray_.get(),
        [this, window, iconId, callbackMessage](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger) {
                Post(window, callbackMessage, uintptr_t(iconId), TrayEvent::LeftUp);
            } else if (why == QSystemTrayIcon::Context) {
                Post(window, callbackMessage, uintptr_t(iconId), TrayEvent::RightUp);
            }
        });
    tray_->show();
    trayWindow_ = window;
    trayRefusedWindow_ = 0;
    return true;
}

void QtPlatform::RemoveTrayIcon(WindowId window) {
    if (trayWindow_ == window) {
        tray_.reset();
        trayWindow_ = 0;
    }
}

int QtPlatform::PopupMenu(WindowId window, const std::vector<MenuItem>& items, Point screen) {
    QMenu menu;
    for (const MenuItem& item : items) {
        if (item.command == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(ToQString(item.text))->setData(item.command);
        }
    }
    const QAction* chosen = menu.exec(ToQPoint(screen));
    const int command = chosen ? chosen->data().toInt() : 0;
    if (command != 0) {
        Post(window, Msg::Command, uintptr_t(command), 0);
    }
    return command;
}

// ---- File dialogs ----

QString QtPlatform::FilterOf(const FileDialogRequest& request) const {
    const QString pattern = QStringLiteral("*.") + ToQString(request.extension);
    if (request.extension.empty()) {
        return QString();
    }
    return request.filterName.empty()
               ? pattern
               : ToQString(request.filterName) + QStringLiteral(" (") + pattern + u')';
}

std::optional<std::u16string>
QtPlatform::RunFileDialog(WindowId owner, const FileDialogRequest& request, bool save) {
    const QString folder =
        request.startFolder.empty() ? QDir::currentPath() : ToQString(request.startFolder);
    // On the heap and watched: the owner (its parent) may be destroyed while it is open.
    QPointer<QFileDialog> dialog =
        new QFileDialog(Widget(owner), ToQString(request.title), folder, FilterOf(request));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(ToQString(request.extension));
    if (!request.initialName.empty()) {
        dialog->selectFile(ToQString(request.initialName));
    }
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog) {
        return std::nullopt;
    }
    const QStringList files = dialog->selectedFiles();
    delete dialog.data();
    if (!accepted || files.isEmpty()) {
        return std::nullopt;
    }
    return FromQString(QDir::toNativeSeparators(files.first()));
}

std::optional<std::u16string> QtPlatform::OpenFileDialog(WindowId owner,
                                                         const FileDialogRequest& request) {
    return RunFileDialog(owner, request, false);
}

std::optional<std::u16string> QtPlatform::SaveFileDialog(WindowId owner,
                                                         const FileDialogRequest& request) {
    return RunFileDialog(owner, request, true);
}

// ---- Shell ----

bool QtPlatform::ShellOpen(const std::u16string& target) {
    const QString text = ToQString(target).trimmed();
    if (text.isEmpty()) {
        return false;
    }
    const QUrl url(text);
    if (url.isValid() && url.scheme().size() > 1) {
        return QDesktopServices::openUrl(url);
    }
    const QFileInfo file(text);
    if (!file.exists()) {
        return false;
    }
    if (file.isFile() && file.isExecutable()) {
        return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool QtPlatform::OpenMouseSettings() {
    for (const SettingsProgram& candidate : kMouseSettings) {
        const QString program =
            QStandardPaths::findExecutable(QString::fromLatin1(candidate.program));
        if (program.isEmpty()) {
            continue;
        }
        QStringList arguments;
        for (const char* argument : candidate.arguments) {
            if (argument) {
                arguments << QString::fromLatin1(argument);
            }
        }
        if (QProcess::startDetached(program, arguments)) {
            return true;
        }
    }
    return false;
}

// ---- Single instance ----

bool QtPlatform::ClaimSingleInstance(const std::u16string& name) {
    if (!instance_) {
        instance_ = std::make_unique<QtSingleInstance>([this] {
            if (handOverWindow_ != 0) {
                Send(handOverWindow_, handOverMessage_, 0, 0);
            }
        });
    }
    return instance_->Claim(ToQString(name));
}

void QtPlatform::SetHandOverWindow(WindowId window, uint32_t handOverMessage) {
    handOverWindow_ = IsWindow(window) ? window : 0;
    handOverMessage_ = handOverMessage;
}

// ---- Folders ----

std::u16string QtPlatform::CurrentFolder() const {
    return WithSeparator(QDir::currentPath());
}

bool QtPlatform::EnsureFolder(const std::u16string& path) {
    const QString folder = ToQString(path);
    return !folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

// ---- Key capture ----

bool QtPlatform::StartKeyCapture(WindowId window) {
    if (!IsWindow(window)) {
        return false;
    }
    keyCaptureWindow_ = window;
    if (!keyCapture_) {
        keyCapture_ = std::make_unique<QtKeyCapture>([this](int vk, bool release) {
            const uint32_t time = NowMs() & ~kReleaseBit;
            Post(keyCaptureWindow_, kCapturedKeyMessage, uintptr_t(vk & 0xFF),
                 intptr_t(time | (release ? kReleaseBit : 0)));
        });
    }
    keyCapture_->Start();
    return true;
}

void QtPlatform::StopKeyCapture() {
    if (keyCapture_) {
        keyCapture_->Stop();
    }
    keyCaptureWindow_ = 0;
}

// ---- Time, threads, devices ----

uint32_t QtPlatform::NowMs() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void QtPlatform::SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(ms, 0)));
}

void QtPlatform::RaiseThreadPriority() {
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);
}

std::unique_ptr<HidBus> QtPlatform::NativeHidBus() {
    return std::make_unique<HidrawBus>();
}
