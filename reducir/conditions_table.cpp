#include "reducir/conditions_table.h"

#include <QComboBox>
#include <QHeaderView>

#include "platform/qt_text.h"

using namespace lumo;

namespace {

enum Column { kKeyword, kArguments, kMinimum, kMaximum, kCounted, kColumns };

const QStringList kKeywords{
    QStringLiteral("unos"),         QStringLiteral("equis"),          QStringLiteral("doses"),
    QStringLiteral("variantes"),    QStringLiteral("interrupciones"), QStringLiteral("racha"),
    QStringLiteral("grupo"),        QStringLiteral("base"),           QStringLiteral("puntuacion"),
    QStringLiteral("probabilidad"), QStringLiteral("valor")};

constexpr int kLineRole = Qt::UserRole;

}  // namespace

ConditionsTable::ConditionsTable(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    setObjectName(QStringLiteral("conditionsTable"));
    setHorizontalHeaderLabels({QStringLiteral("Condición"), QStringLiteral("Argumentos"),
                               QStringLiteral("Mínimo"), QStringLiteral("Máximo"),
                               QStringLiteral("Cuenta para los fallos")});
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(kArguments, QHeaderView::Stretch);
    header->setSectionResizeMode(kCounted, QHeaderView::ResizeToContents);
    header->resizeSection(kKeyword, 150);
    header->resizeSection(kMinimum, 80);
    header->resizeSection(kMaximum, 80);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(QStringLiteral("Condiciones"));
}

void ConditionsTable::Fill(const ConditionFile& file) {
    setRowCount(0);
    for (const ColumnCondition& condition : file.conditions) {
        AppendRow(PartsOf(file, condition), condition.line);
    }
}

void ConditionsTable::AddRow() {
    AppendRow({.strictness = Strictness::kCounted,
               .keyword = "unos",
               .arguments = {},
               .minimum = "0",
               .maximum = "14"},
              0);
    setCurrentCell(rowCount() - 1, kMinimum);
}

void ConditionsTable::RemoveCurrentRow() {
    if (currentRow() >= 0) {
        removeRow(currentRow());
    }
}

std::vector<EditedCondition> ConditionsTable::Edited() const {
    std::vector<EditedCondition> edited;
    for (int row = 0; row < rowCount(); ++row) {
        const auto* combo = qobject_cast<const QComboBox*>(cellWidget(row, kKeyword));
        const bool counted = item(row, kCounted)->checkState() == Qt::Checked;
        const ConditionParts parts{
            .strictness = counted ? Strictness::kCounted : Strictness::kAlways,
            .keyword = combo->currentText().toStdString(),
            .arguments = Cell(row, kArguments).toStdString(),
            .minimum = Cell(row, kMinimum).toStdString(),
            .maximum = Cell(row, kMaximum).toStdString()};
        edited.push_back({TextOf(parts), item(row, kKeyword)->data(kLineRole).toLongLong()});
    }
    return edited;
}

void ConditionsTable::SetLines(const std::vector<std::int64_t>& lines) {
    for (int row = 0; row < rowCount() && static_cast<std::size_t>(row) < lines.size(); ++row) {
        item(row, kKeyword)
            ->setData(kLineRole, QVariant::fromValue(lines[static_cast<std::size_t>(row)]));
    }
}

void ConditionsTable::AppendRow(const ConditionParts& parts, std::int64_t line) {
    const int row = rowCount();
    insertRow(row);
    auto* lineItem = new QTableWidgetItem;
    lineItem->setData(kLineRole, QVariant::fromValue(line));
    setItem(row, kKeyword, lineItem);
    auto* combo = new QComboBox;
    combo->addItems(kKeywords);
    combo->setAccessibleName(QStringLiteral("Condición de la fila %1").arg(row + 1));
    const QString keyword = FromUtf8(parts.keyword);
    if (combo->findText(keyword) < 0) {
        combo->addItem(keyword);
    }
    combo->setCurrentText(keyword);
    setCellWidget(row, kKeyword, combo);
    setItem(row, kArguments, new QTableWidgetItem(FromUtf8(parts.arguments)));
    setItem(row, kMinimum, new QTableWidgetItem(FromUtf8(parts.minimum)));
    setItem(row, kMaximum, new QTableWidgetItem(FromUtf8(parts.maximum)));
    auto* counted = new QTableWidgetItem;
    counted->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    counted->setCheckState(parts.strictness == Strictness::kCounted ? Qt::Checked : Qt::Unchecked);
    setItem(row, kCounted, counted);
}

QString ConditionsTable::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text().trimmed();
}
