#include "host/bill_output.h"

#include <optional>

#include "host/files.h"
#include "win/bitmap.h"
#include "win/files.h"
#include "win/encoding.h"

namespace {

struct PreviewWindow {
    bool open = false;
    int openCount = 0;
    int lastSize = 0;
};
PreviewWindow& preview() {
    static PreviewWindow window;
    return window;
}

std::optional<std::tm>& fixedTime() {
    static std::optional<std::tm> time;
    return time;
}

Zk_String tempFolder() {
    wchar_t buffer[1024] = {};
    const DWORD n = GetTempPathW(1024, buffer);
    return addBackslash(Zk_String(std::wstring(buffer, n)));
}

}  // namespace

Zk_String createImage(const Zk_StringArray& rowTexts, int& param1, int param2, int param3, bool flag1, bool flag2,
                      Zk_Bill* bill, AcTransaction* transaction) {
    (void)param1, (void)param2, (void)param3, (void)flag1, (void)flag2;
    if (!bill || !transaction || bill->failImages || bill->imageWidth <= 0 || bill->imageHeight <= 0) return {};
    const Zk_String folder = bill->imageFolder.isEmpty() ? tempFolder() : addBackslash(bill->imageFolder);
    const Zk_String path =
        folder + L"bill_image_" + Zk_String(bill->imagesMade + 1) + L"_" + Zk_String(rowTexts.length()) + L".bmp";
    // A light picture with a dark frame: enough for a row to show that it has one.
    win::Surface picture(bill->imageWidth, bill->imageHeight, RGB(60, 60, 60));
    picture.fill(RECT{2, 2, bill->imageWidth - 2, bill->imageHeight - 2}, RGB(235, 240, 250));
    if (!WriteFileAtomic(path.wstr(), win::EncodeBmp24(picture))) return {};
    ++bill->imagesMade;
    return path;
}

void initBMPDialog(int size) {
    preview().open = true;
    ++preview().openCount;
    preview().lastSize = size;
}
void closeBMPDialog() { preview().open = false; }
bool isBMPDialogOpen() { return preview().open; }
int bmpDialogOpenCount() { return preview().openCount; }
int bmpDialogLastSize() { return preview().lastSize; }

std::tm getCurrentTime() {
    if (fixedTime()) return *fixedTime();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

Zk_String getCurrentTime(const Zk_String& format) {
    const std::tm time = getCurrentTime();
    char buffer[256] = {};
    const std::size_t n = std::strftime(buffer, sizeof buffer, format.toUtf8().c_str(), &time);
    return Zk_String::fromUtf8(std::string_view(buffer, n));
}

void setFixedCurrentTime(const std::tm* time) {
    if (time)
        fixedTime() = *time;
    else
        fixedTime().reset();
}
