#include "sheeteditor/km_tq_bill_output.h"

#include <algorithm>

#include "acad/main_window.h"
#include "host/files.h"
#include "host/texts.h"
#include "sheeteditor/dlg_tq_as_tool.h"
#include "sheeteditor/km_tq_settings.h"
#include "sheeteditor/sheet_setup.h"
#include "spread/ss_api.h"
#include "res/sheeteditor_ids.h"
#include "win/bitmap.h"
#include "win/msgbox.h"

namespace {

// The system's inactive-border colour (system colour 11), used for the borders and the
// sub-totals' text; the control stores plain colours only, so it is given as such.
constexpr COLORREF kFrameColour = RGB(212, 208, 200);
constexpr COLORREF kSubTotalBack = 0xFFD1A4;  // red 164, green 209, blue 255
// The sub-totals' text: the frame grey would be unreadable on their background.
constexpr COLORREF kSubTotalText = RGB(0, 0, 0);
constexpr COLORREF kGridColour = 0x323232;
constexpr double kNumberLimit = 99999999999999.0;
constexpr int kLongTextLength = 200;
constexpr LONG kPictureStyle = 36;
constexpr LONG kMarkerPictureStyle = 0x210024;
// Border types and styles as the bill asks for them.
constexpr int kPictureBorderType = 18;
constexpr int kPictureBorderStyle = 6;
constexpr int kSubTotalBorderType = 31;
constexpr int kSubTotalBorderStyle = 1;
constexpr int kBillSaveFailedText = 1150;
constexpr int kHeaderCopyFailedText = 1152;
constexpr int kBillCaptionText = 1151;
const wchar_t* const kDateFormat = L"%d %B, %Y (%H:%M)";
constexpr wchar_t kTitleMark = 0x00BF;  // "¿"

// A border type's sides: the low four bits name them, 16 stands for the whole outline.
WORD borderSides(int type) { return static_cast<WORD>((type & 16) ? 15 : (type & 15)); }
// Styles the control has no line for are drawn solid.
WORD borderStyle(int style) {
    return static_cast<WORD>(style >= SS_BORDERSTYLE_NONE && style <= SS_BORDERSTYLE_DOT ? style
                                                                                       : SS_BORDERSTYLE_SOLID);
}

// Writes a bill text into a cell. A text cell too short for the text is made long enough
// rather than losing the text.
void writeValue(HWND hwnd, int col, int row, const Zk_String& text) {
    if (SSSetValue(hwnd, col, row, text.c_str())) return;
    SS_CELLTYPEINFO info;
    if (!SSGetCellTypeInfo(hwnd, col, row, &info) || info.type != SS_TYPE_EDIT || info.maxLength <= 0 ||
        text.length() <= info.maxLength)
        return;
    SSSetTypeEdit(hwnd, col, row, col, row, text.length(), info.caseMode);
    SSSetValue(hwnd, col, row, text.c_str());
}

}  // namespace

KmTqBillOutput::KmTqBillOutput() : m_tool(new DlgTqAsTool) {}

KmTqBillOutput::KmTqBillOutput(const KmTqBillOutput& other)
    : Zk_ListOutputCallback(other),
      m_imageParam1(other.m_imageParam1),
      m_imageParam2(other.m_imageParam2),
      m_imageParam3(other.m_imageParam3),
      m_imageFlag1(other.m_imageFlag1),
      m_imageFlag2(other.m_imageFlag2),
      m_bill(other.m_bill),
      m_transaction(other.m_transaction),
      m_tool(new DlgTqAsTool),
      m_currentRow(other.m_currentRow),
      m_columnKinds(other.m_columnKinds),
      m_billFile(other.m_billFile),
      m_varNames(other.m_varNames),
      m_varValues(other.m_varValues) {}

KmTqBillOutput& KmTqBillOutput::operator=(const KmTqBillOutput& other) {
    if (this == &other) return *this;
    m_imageParam1 = other.m_imageParam1;
    m_imageParam2 = other.m_imageParam2;
    m_imageParam3 = other.m_imageParam3;
    m_imageFlag1 = other.m_imageFlag1;
    m_imageFlag2 = other.m_imageFlag2;
    m_bill = other.m_bill;
    m_transaction = other.m_transaction;
    // The own tool stays: its sheet is this output's.
    m_currentRow = other.m_currentRow;
    m_columnKinds = other.m_columnKinds;
    m_billFile = other.m_billFile;
    m_varNames = other.m_varNames;
    m_varValues = other.m_varValues;
    return *this;
}

KmTqBillOutput::~KmTqBillOutput() { delete m_tool; }

Zk_Spread* KmTqBillOutput::getTqPointer() { return m_tool ? m_tool->get() : nullptr; }

Acad::ErrorStatus KmTqBillOutput::init(Zk_String billFile, const Zk_StringArray& columnNames,
                                       const AcArray<int>& unused, const AcArray<int>& columnKinds,
                                       const Zk_String& settingsName, const Zk_StringArray& varNames,
                                       const Zk_StringArray& varValues) {
    (void)unused;
    if (!m_tool || !m_tool->init()) return kNoSheet;
    Zk_Spread* sheet = getTqPointer();
    if (!sheet) return kNoSheet;
    m_billFile = std::move(billFile);
    initSheetWithSettings(*sheet, settingsName, true);
    const HWND hwnd = sheet->GetSafeHwnd();
    SSSetGridColor(hwnd, kGridColour);
    m_varNames = varNames;
    m_varValues = varValues;
    sheet->setColCount(columnNames.length());
    for (int i = 0; i < columnNames.length(); ++i) SSSetData(hwnd, i + 1, 0, columnNames[i].c_str());
    m_columnKinds = columnKinds;
    return Acad::eOk;
}

void KmTqBillOutput::setVars(int imageParam1, int imageParam2, int imageParam3, bool imageFlag1, bool imageFlag2,
                             Zk_Bill* bill, AcTransaction* transaction) {
    m_imageParam1 = imageParam1;
    m_imageParam2 = imageParam2;
    m_imageParam3 = imageParam3;
    m_imageFlag1 = imageFlag1;
    m_imageFlag2 = imageFlag2;
    m_bill = bill;
    m_transaction = transaction;
}

Acad::ErrorStatus KmTqBillOutput::onStartFeed() {
    if (picturesWanted()) initBMPDialog(m_imageParam2 + 20);
    return Acad::eOk;
}

void KmTqBillOutput::onAddRow(const Zk_StringArray& texts) {
    if (!picturesWanted()) {
        addRow(texts, Zk_String());
        return;
    }
    const Zk_String picture = createImage(texts, m_imageParam1, m_imageParam2, m_imageParam3, m_imageFlag1,
                                          m_imageFlag2, m_bill, m_transaction);
    addRow(texts, picture);
    if (!picture.isEmpty()) deleteFile(picture);
}

void KmTqBillOutput::advanceRow() {
    Zk_Spread* sheet = getTqPointer();
    ++m_currentRow;
    const int rows = sheet->getRowCount();
    if (rows < m_currentRow) {
        sheet->setRowCount(m_currentRow + kRowStep);
        prepareSheetRows(*sheet, rows + 1, m_currentRow + kRowStep);
    }
}

void KmTqBillOutput::addRow(const Zk_StringArray& texts, const Zk_String& pictureFile) {
    Zk_Spread* sheet = getTqPointer();
    if (!sheet) return;
    const HWND hwnd = sheet->GetSafeHwnd();
    if (sheet->getColCount() < texts.length()) sheet->setColCount(texts.length());
    advanceRow();
    setRowProperties(m_currentRow);
    for (int i = 0; i < texts.length(); ++i) writeValue(hwnd, i + 1, m_currentRow, texts[i]);

    SIZE size{};
    if (pictureFile.isEmpty() || !fileExists(pictureFile) || !win::ReadBmpSize(pictureFile.wstr(), size)) return;
    advanceRow();
    const int row = m_currentRow;
    const int cols = sheet->getColCount();
    SSSetRowHeightInPixels(hwnd, row, static_cast<int>(size.cy));
    const int pictureCol = cols >= 2 ? 2 : 1;
    if (cols > 2) SSAddCellSpan(hwnd, 2, row, cols - 1, 1);
    SSSetBorder(hwnd, 1, row, 1, row, borderSides(kPictureBorderType), borderStyle(kPictureBorderStyle),
                kFrameColour);
    if (pictureCol == 2) SSSetTypePicture(hwnd, 2, row, 2, row, pictureFile.c_str(), kPictureStyle);
    SSSetTypePicture(hwnd, 1, row, 1, row, (Zk_String(L"#") + Zk_String(static_cast<int>(IDB_TQ_BILL_PICTURE))).c_str(),
                     kMarkerPictureStyle);
}

void KmTqBillOutput::setRowProperties(const int& row) {
    Zk_Spread* sheet = getTqPointer();
    if (!sheet) return;
    const HWND hwnd = sheet->GetSafeHwnd();
    const int cols = std::min(sheet->getColCount(), m_columnKinds.length());
    for (int col = 1; col <= cols; ++col) {
        switch (m_columnKinds[col - 1]) {
        case kKindNumber: SSSetTypeNumber(hwnd, col, row, col, row, 0, -kNumberLimit, kNumberLimit, FALSE); break;
        case kKindNumber1: SSSetTypeNumber(hwnd, col, row, col, row, 1, -kNumberLimit, kNumberLimit, FALSE); break;
        case kKindLongText: SSSetTypeEdit(hwnd, col, row, col, row, kLongTextLength, SS_CASE_NOCASE); break;
        default: break;
        }
        SSSetBorder(hwnd, col, row, col, row, 0, SS_BORDERSTYLE_NONE, kFrameColour);
        if (SSGetCellSpan(hwnd, col, row, nullptr, nullptr, nullptr, nullptr) != SS_SPAN_NO)
            SSRemoveCellSpan(hwnd, col, row);
    }
}

void KmTqBillOutput::onAddSubTotals(const Zk_StringArray& texts, const Zk_StringArray& previous, bool last,
                                    int level) {
    (void)previous, (void)last, (void)level;
    addRow(texts, Zk_String());
    Zk_Spread* sheet = getTqPointer();
    if (!sheet) return;
    const HWND hwnd = sheet->GetSafeHwnd();
    for (int i = 0; i < texts.length(); ++i) {
        if (texts[i].isEmpty()) continue;
        const int col = i + 1;
        SSSetBorder(hwnd, col, m_currentRow, col, m_currentRow, borderSides(kSubTotalBorderType),
                    borderStyle(kSubTotalBorderStyle), kFrameColour);
        SSSetColor(hwnd, col, m_currentRow, col, m_currentRow, kSubTotalBack, kSubTotalText);
    }
}

Acad::ErrorStatus KmTqBillOutput::onEndFeed() {
    if (picturesWanted()) closeBMPDialog();
    Zk_Spread* sheet = getTqPointer();
    if (!sheet) return Acad::eInvalidInput;
    if (sheet->getRowCount() > m_currentRow) sheet->setRowCount(m_currentRow);
    sheet->fitColumnWidths();

    Zk_String title = removeFileExtension(getFileName(m_billFile));
    const int mark = title.findLast(kTitleMark);
    if (mark >= 0) title = title.mid(mark + 1);
    Zk_StringArray names = m_varNames;
    Zk_StringArray values = m_varValues;
    names.insertAt(0, Zk_String(L"BillFilename"));
    values.insertAt(0, m_billFile);
    names.insertAt(0, Zk_String(L"Title"));
    values.insertAt(0, title);
    names.insertAt(0, Zk_String(L"Date"));
    values.insertAt(0, getCurrentTime(Zk_String(kDateFormat)));
    KmTqSettings settings;
    settings.setVariables(sheet->GetSafeHwnd(), names, values);

    // A bill that could not be saved is reported, not passed off as saved; the sheet file
    // is written whole or not at all. A header or footer file that could not be copied
    // beside a saved bill is reported too.
    Zk_String failedCopy;
    const bool saved = !m_billFile.isEmpty() && saveSheetWithHeaderFooter(*sheet, m_billFile, &failedCopy);
    if (saved) return Acad::eOk;
    const int textNr = failedCopy.isEmpty() ? kBillSaveFailedText : kHeaderCopyFailedText;
    const Zk_String text = string(textNr) + L"\n" + (failedCopy.isEmpty() ? m_billFile : failedCopy);
    MessageBoxW(adsw_acadMainWnd(), text.c_str(), string(kBillCaptionText).c_str(), MB_ICONEXCLAMATION | MB_OK);
    return failedCopy.isEmpty() ? kSaveFailed : Acad::eOk;
}
