#include "app/StringTable.h"

#include "app/CommandIds.h"

namespace vantrel {

const char* loadString(int id) noexcept
{
    switch (id) {
    case displayChangeFailedString:
        return "ディスプレイ解像度の変更に失敗しました。";
    case displayTooSmallString:
        return "ディスプレイ解像度が不足しています。1360 x 678 以上の解像度の環境が必要です。";
    case captionString:
        return "Vantrel - ヴァントレル";
    default:
        return nullptr;
    }
}

} // namespace vantrel
