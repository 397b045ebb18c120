#pragma once

#include <QGroupBox>
#include <array>

#include "checksums.h"
#include "commdefinition.h"

class QAction;
class QComboBox;
class QToolButton;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace comm {

// One frame of the document window: the send frame (Frame2_0) or the receive frame (Frame2_1).
// It shows the arrays of the communication definition for its side: a field selector with the
// start, checksum or end bytes in two rows of ten boxes, and the data bytes in a scrolling table
// of seven rows. The same class serves both sides; only the control names and arrays differ.
// Beside the selector a checksum helper (CheckCalc_0, CheckCalc_1) writes the checksum of the data
// bytes into the checksum field. Owned by the document window.
class FramePanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kFieldBoxes = 10;
    static constexpr int kDataRows = 7;

    FramePanel(CommDefinition& definition, FrameSide side, QWidget* parent = nullptr);

    FrameSide side() const { return side_; }
    CommDefinition& definition() const { return definition_; }

    // The field the selector shows: item 0 start, 1 checksum, 2 end.
    static Field fieldOfItem(int item);
    Field selectedField() const;
    // Counts as the definition holds them, limited to what the arrays can hold.
    int fieldCount() const;
    int dataCount() const;
    // The entry a data row stands for: the scroll value plus the row.
    int dataEntry(int row) const;
    qint16* fieldValues() const;
    qint16* dataValues() const;

    // Rereads the counts and values of this frame from the definition into every box and label,
    // keeping the selected field and, where it still fits, the scroll position. The one place
    // the boxes are written from the definition.
    void refresh();
    // The selected field into the field rows and its count label.
    void showField();
    // Boxes 0..9 of both field rows visible, then count..9 hidden.
    void showFieldBoxes(int count);
    // Visible data rows and the scroll bar's range for a data count.
    void showDataRows(int count);
    // Fills the data rows from entry `first` on (from 0 when fewer than seven entries exist).
    void refreshDataRows(int count, int first);
    // True while refresh code writes the boxes, so edit handlers can tell it from typing.
    bool isRefreshing() const { return refreshing_ > 0; }
    // The checksum helper's choice: writes the checksum of the data bytes into the checksum field
    // and shows that field, or says why it wrote nothing.
    // The frame then names that checksum (shown beside the field); clearCheckName() names none.
    void fillChecksum(const ChecksumInfo& info);
    void clearCheckName();
    // A data byte was stored: a send frame that names its checksum brings its check bytes up to
    // date (not entered while a data byte is not).
    void dataEdited();

    QComboBox* selector() const { return selector_; }
    QToolButton* checksumButton() const { return checksumButton_; }
    QLabel* checkNameLabel() const { return checkNameLabel_; }
    QLabel* fieldCountLabel() const { return fieldCountLabel_; }
    QLabel* dataCountLabel() const { return dataCountLabel_; }
    QLineEdit* fieldCharBox(int index) const { return fieldChar_[index]; }
    QLineEdit* fieldHexBox(int index) const { return fieldHex_[index]; }
    QLineEdit* dataCharBox(int row) const { return dataChar_[row]; }
    QLineEdit* dataHexBox(int row) const { return dataHex_[row]; }
    QLabel* rowNumber(int row) const { return rowNumber_[row]; }
    QScrollBar* scrollBar() const { return scrollBar_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every caption, item, tool tip and count of the panel in the interface language; the
    // boxes keep what they hold.
    void retranslate();
    QString countText(int count) const;
    void buildFieldRows(QGridLayout* grid);
    void buildDataTable(QGridLayout* grid);
    QLineEdit* makeByteBox(const QString& name, int width);
    void showEntry(QLineEdit* charBox, QLineEdit* hexBox, qint16 value);
    void showCheckName();

    CommDefinition& definition_;
    const FrameSide side_;
    int refreshing_ = 0;

    QComboBox* selector_ = nullptr;
    QToolButton* checksumButton_ = nullptr;
    QList<QAction*> checksumActions_;  // in the order of Checksums()
    QAction* noChecksumAction_ = nullptr;
    QLabel* checkNameLabel_ = nullptr;
    // The fixed captions: character row, hexadecimal row, data, number, character and
    // hexadecimal columns.
    std::array<QLabel*, 6> captions_{};
    QLabel* fieldCountLabel_ = nullptr;
    QLabel* dataCountLabel_ = nullptr;
    std::array<QLineEdit*, kFieldBoxes> fieldChar_{};
    std::array<QLineEdit*, kFieldBoxes> fieldHex_{};
    std::array<QLabel*, kDataRows> rowNumber_{};
    std::array<QLineEdit*, kDataRows> dataChar_{};
    std::array<QLineEdit*, kDataRows> dataHex_{};
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace comm
