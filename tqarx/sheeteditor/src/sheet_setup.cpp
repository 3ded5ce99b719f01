#include "sheeteditor/sheet_setup.h"

#include "host/files.h"
#include "sheeteditor/km_tq_settings.h"
#include "spread/ss_api.h"

namespace {

// The sheet's boolean settings switched on for every sheet: no beep, the active cell
// follows clicks, automatic calculation, row headers shown.
constexpr int kSetUpSettings[] = {SSB_NOBEEP, SSB_MOVEACTIVEONFOCUS, SSB_AUTOCALC, SSB_SHOWROWHEADERS};
constexpr LONG kTipDelay = 10;

void applySettingsFont(HWND hwnd, const KmTqSettings& settings) {
    if (settings.defaultFont.isEmpty() || settings.defaultTextHeight <= 0) return;
    const wchar_t* font = settings.defaultFont.c_str();
    SSSetFont(hwnd, SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, font, settings.defaultTextHeight,
              FALSE, FALSE);  // normal weight
    // The headers in bold.
    SSSetFont(hwnd, 0, SS_ALLROWS, 0, SS_ALLROWS, font, settings.defaultTextHeight, TRUE, FALSE);
    SSSetFont(hwnd, SS_ALLCOLS, 0, SS_ALLCOLS, 0, font, settings.defaultTextHeight, TRUE, FALSE);
}

Zk_String parentFolder(const Zk_String& folder) {
    Zk_String trimmed = folder;
    while (trimmed.endsWith(L"\\") || trimmed.endsWith(L"/")) trimmed.remove(trimmed.length() - 1);
    return getFolder(trimmed);
}

}  // namespace

void prepareSheetRows(Zk_Spread& sheet, int first, int last) {
    if (!sheet.isCreated() || first > last) return;
    const HWND hwnd = sheet.GetSafeHwnd();
    const int cols = sheet.getColCount();
    if (cols < 1) return;
    SSSetTypeEdit(hwnd, 1, first, cols, last, kNewSheetCellLength, SS_CASE_NOCASE);
    if (!sheet.fontName.isEmpty() && sheet.fontSize > 0)
        SSSetFont(hwnd, 1, first, cols, last, sheet.fontName.c_str(), sheet.fontSize, FALSE, FALSE);
}

void initSheetWithSettings(Zk_Spread& sheet, const Zk_String& settingsName, bool newSheet) {
    if (!sheet.isCreated()) return;
    const HWND hwnd = sheet.GetSafeHwnd();
    for (int index : kSetUpSettings) sheet.setBoolProperty(index, true);
    if (newSheet) {
        sheet.setColCount(kNewSheetCols);
        sheet.setRowCount(kNewSheetRows);
        SSSetTypeEdit(hwnd, 1, 1, kNewSheetCols, kNewSheetRows, kNewSheetCellLength, SS_CASE_NOCASE);
        KmTqSettings settings;
        if (!settings.loadFromFile(settingsName)) {
            KmTqRegistrySets registry;
            registry.read();
            settings.loadFromFile(registry.defaultSettings);
        }
        settings.storeToSheet(hwnd);
        applySettingsFont(hwnd, settings);
    }
    short mode = 0;
    LONG delay = 0;
    COLORREF back = 0;
    COLORREF fore = 0;
    SSGetTextTip(hwnd, &mode, &delay, &back, &fore);
    SSSetTextTip(hwnd, 2, kTipDelay, back, fore);
    SSSetCellNoteIndicator(hwnd, SS_NOTEINDICATOR_HIDE);

    // The cells written later take the font of the sheet's settings.
    KmTqSettings own;
    if (!own.loadFromFile(settingsName)) own.loadFromSheet(hwnd);
    if (!own.defaultFont.isEmpty() && own.defaultTextHeight > 0) {
        sheet.fontName = own.defaultFont;
        sheet.fontSize = own.defaultTextHeight;
    }
}

Zk_String resolveHeaderFooterPath(const Zk_String& path, const Zk_String& sheetPath) {
    if (path.isEmpty() || path.contains(L":") || path.contains(L"\\\\")) return path;
    Zk_String rest = path;
    bool up = false;
    const int dots = rest.find(Zk_String(L"..\\"));
    if (dots >= 0) {
        rest.remove(dots, 3);
        up = true;
    }
    if (!sheetPath.isEmpty()) {
        Zk_String base = getFolder(sheetPath);
        if (up) base = parentFolder(base);
        if (fileExists(base + rest)) return base + rest;
    }
    Zk_String base = KmTqSettings::productFolder();
    if (up) base = parentFolder(base);
    if (!base.isEmpty() && fileExists(base + rest)) return base + rest;
    return path;
}

Zk_String makeHeaderFooterPathRelative(const Zk_String& path, const Zk_String& sheetPath) {
    if (!fileExists(path)) return path;
    const Zk_String sheetFolder = getFolder(sheetPath);
    if (!sheetPath.isEmpty() && !sheetFolder.isEmpty() && path.startsWith(sheetFolder, true))
        return path.mid(sheetFolder.length());
    const Zk_String product = KmTqSettings::productFolder();
    if (!product.isEmpty() && path.startsWith(product, true)) return path.mid(product.length());
    return path;
}

namespace {

// Copies one header or footer file beside the sheet at path; false (with the file's
// name in failed) when the copy fails.
bool carryFile(Zk_String& stored, const Zk_String& path, bool& changed, Zk_String* failed) {
    if (stored.isEmpty()) return true;
    const Zk_String source = resolveHeaderFooterPath(stored, path);
    if (!fileExists(source)) return true;
    const Zk_String target = getFolder(path) + getFileName(source);
    if (!source.equal(target, true)) {
        if (!copyFile(source, target)) {
            if (failed) *failed = source;
            return false;
        }
        const Zk_String bitmap = changeFileExtension(source, L"bmp");
        if (fileExists(bitmap)) copyFile(bitmap, changeFileExtension(target, L"bmp"));
    }
    const Zk_String relative = makeHeaderFooterPathRelative(target, path);
    if (relative != stored) {
        stored = relative;
        changed = true;
    }
    return true;
}

}  // namespace

bool saveSheetWithHeaderFooter(Zk_Spread& sheet, const Zk_String& path, Zk_String* failedCopy) {
    if (failedCopy) failedCopy->clear();
    if (!sheet.saveToFile(path)) return false;
    sheet.setBoolProperty(SSB_CHANGEMADE, false);
    KmTqSettings settings;
    settings.loadFromSheet(sheet.GetSafeHwnd());
    bool changed = false;
    const bool header = carryFile(settings.headerFile, path, changed, failedCopy);
    const bool footer = carryFile(settings.footerFile, path, changed, failedCopy);
    if (changed) {
        settings.storeToSheet(sheet.GetSafeHwnd());
        // The saved file names the copies too.
        if (!sheet.saveToFile(path)) return false;
        sheet.setBoolProperty(SSB_CHANGEMADE, false);
    }
    return header && footer;
}
