#include "mainwindow/MainLayout.h"

#include <QtMath>

namespace MainLayout {

QRect Place::pixels() const { return QRect(qRound(left), qRound(top), qRound(width), qRound(height)); }

const std::vector<Row>& DisplayTable()
{
    static const std::vector<Row> table{
        {QStringLiteral("ActivMsgLbl"), {10, 495, 251, 15}, {10.055, 500, 884.871, 20}},
        {QStringLiteral("StatBar"), {10, 510, 251, 20}, {8.044, 525, 891.91, 20}},
        {QStringLiteral("UpDateCmd"), {554, 495, 160, 30}, {283.561, 560, 150.83, 30}},
        {QStringLiteral("ExitBttn"), {724, 495, 160, 30}, {472.601, 560, 150.83, 30}},
        // Admin Exit stands beside Update and Exit, never over them: in the small layout between
        // the status column and Update, in the large one to the right of Exit, as far from it
        // as Exit is from Update.
        {QStringLiteral("Command2"), {384, 495, 160, 30}, {661.641, 560, 150.83, 30}},
    };
    return table;
}

}  // namespace MainLayout
