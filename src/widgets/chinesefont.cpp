#include "widgets/chinesefont.h"

#include <QStringList>

namespace {
const QString SongTi = QStringLiteral("宋体");
}

void installChineseFontSubstitutes()
{
    QFont::insertSubstitutions(SongTi, {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                                        QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
}

QFont songTiBold(qreal pointSize)
{
    installChineseFontSubstitutes();
    QFont font(SongTi);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}
