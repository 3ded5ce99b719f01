// KmTqBillOutput: the output callback that writes a bill of the host into a spreadsheet
// and saves it: one sheet row per bill row, a picture row under each row when the bill
// makes pictures, highlighted sub-totals, and the bill's variables (date, title, file
// name, the caller's own) in the sheet's settings for print headers and footers.
// The host calls: construct, init, setVars, onStartFeed, onAddRow / onAddSubTotals any
// number of times, onEndFeed, destruct.
#pragma once

#include "acad/ac_array.h"
#include "acad/error_status.h"
#include "host/bill_output.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class AcTransaction;
class DlgTqAsTool;
class Zk_Spread;

class KmTqBillOutput : public Zk_ListOutputCallback {
public:
    // init's result without a tool or a sheet.
    static constexpr Acad::ErrorStatus kNoSheet = static_cast<Acad::ErrorStatus>(337);
    // onEndFeed's result when the bill could not be saved.
    static constexpr Acad::ErrorStatus kSaveFailed = Acad::eFilerError;
    // Rows are added to the sheet in steps of this many.
    static constexpr int kRowStep = 100;

    // Column kinds.
    enum { kKindNumber = 1, kKindNumber1 = 2, kKindLongText = 3 };

    KmTqBillOutput();
    // A copy gets a tool of its own: two outputs never write into one sheet.
    KmTqBillOutput(const KmTqBillOutput& other);
    KmTqBillOutput& operator=(const KmTqBillOutput& other);
    ~KmTqBillOutput() override;

    Acad::ErrorStatus onStartFeed() override;
    Acad::ErrorStatus onEndFeed() override;
    void onAddRow(const Zk_StringArray& texts) override;
    void onAddSubTotals(const Zk_StringArray& texts, const Zk_StringArray& previous, bool last, int level) override;

    Acad::ErrorStatus init(Zk_String billFile, const Zk_StringArray& columnNames, const AcArray<int>& unused,
                           const AcArray<int>& columnKinds, const Zk_String& settingsName,
                           const Zk_StringArray& varNames, const Zk_StringArray& varValues);
    void setVars(int imageParam1, int imageParam2, int imageParam3, bool imageFlag1, bool imageFlag2, Zk_Bill* bill,
                 AcTransaction* transaction);

    // For the caller and tests: the sheet written into and the last row written.
    Zk_Spread* sheet() { return getTqPointer(); }
    int currentRow() const { return m_currentRow; }
    const Zk_String& billFile() const { return m_billFile; }

private:
    Zk_Spread* getTqPointer();
    void addRow(const Zk_StringArray& texts, const Zk_String& pictureFile);
    void setRowProperties(const int& row);
    void advanceRow();
    bool picturesWanted() const { return m_bill && m_transaction; }

    int m_imageParam1 = -1;
    int m_imageParam2 = 0;
    int m_imageParam3 = 0;
    bool m_imageFlag1 = true;
    bool m_imageFlag2 = true;
    Zk_Bill* m_bill = nullptr;
    AcTransaction* m_transaction = nullptr;
    DlgTqAsTool* m_tool = nullptr;
    int m_currentRow = 0;
    AcArray<int> m_columnKinds;
    Zk_String m_billFile;
    Zk_StringArray m_varNames;
    Zk_StringArray m_varValues;
};
