#include "acad/error_status.h"

const char* acadErrorStatusText(Acad::ErrorStatus es) {
    switch (es) {
    case Acad::eOk: return "eOk";
    case Acad::eNotImplementedYet: return "eNotImplementedYet";
    case Acad::eNotApplicable: return "eNotApplicable";
    case Acad::eInvalidInput: return "eInvalidInput";
    case Acad::eOutOfMemory: return "eOutOfMemory";
    case Acad::eKeyNotFound: return "eKeyNotFound";
    case Acad::eInvalidIndex: return "eInvalidIndex";
    case Acad::eFileNotFound: return "eFileNotFound";
    case Acad::eNullObjectId: return "eNullObjectId";
    case Acad::eCreateFailed: return "eCreateFailed";
    case Acad::eNotHandled: return "eNotHandled";
    default: return "eUnknown";
    }
}
