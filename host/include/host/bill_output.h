// The host's bill machinery as the module sees it: the output callback its list machinery
// feeds a bill through (rows, sub-totals, page breaks and separations between a start and
// an end), the bill record, the pictures of bill rows and their preview window, and the
// current time.
#pragma once

#include <ctime>

#include "acad/error_status.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class AcTransaction;

class Zk_ListOutputCallback {
public:
    virtual ~Zk_ListOutputCallback() = default;
    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual void onNewPage() {}
    virtual void onAddRow(const Zk_StringArray& texts) { (void)texts; }
    virtual void onAddSubTotals(const Zk_StringArray& texts, const Zk_StringArray& previous, bool last, int level) {
        (void)texts, (void)previous, (void)last, (void)level;
    }
    virtual void onAddSeperation() {}
};

// A bill of the host: here only what its pictures are made from. Each picture is a
// bitmap of imageWidth x imageHeight pixels written into imageFolder (the temporary
// folder when empty); failImages makes every picture fail.
struct Zk_Bill {
    Zk_String name;
    int imageWidth = 120;
    int imageHeight = 80;
    Zk_String imageFolder;
    bool failImages = false;
    // Pictures made so far.
    int imagesMade = 0;
};

// Makes a bitmap file of the object of a bill row and returns its path; empty when it
// fails (no bill, no transaction, or the bill refuses). The five image values are the
// host's own; param1 may be changed by the host.
Zk_String createImage(const Zk_StringArray& rowTexts, int& param1, int param2, int param3, bool flag1, bool flag2,
                      Zk_Bill* bill, AcTransaction* transaction);

// The picture preview window shown while a bill with pictures is made.
void initBMPDialog(int size);
void closeBMPDialog();
bool isBMPDialogOpen();
// How often it was opened since the program started, and the size it was last opened with.
int bmpDialogOpenCount();
int bmpDialogLastSize();

// The current local time; a fixed time when one is set (tests), else the clock's.
std::tm getCurrentTime();
Zk_String getCurrentTime(const Zk_String& format);
void setFixedCurrentTime(const std::tm* time);  // null: the clock again
