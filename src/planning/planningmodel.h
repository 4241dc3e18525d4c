#pragma once
// The cells of the planning grid: one row per time slot, two columns per
// table (side 1 and side 2). The captions are kept in the order of the cell
// array Label5 (element 2c - 1 and 2c for c = (t - 1) x partijen + s).
#include <QAbstractTableModel>
#include <QStringList>

class PlanningModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PlanningModel(QObject* parent = nullptr);

    // Sets the size and the captions (element order).
    void reset(int aantalTafels, int aantalPartijen, const QStringList& captions);
    int aantalTafels() const { return m_tafels; }
    int aantalPartijen() const { return m_partijen; }
    const QStringList& captions() const { return m_captions; }

    // Element n (1-based) of the cell array.
    QString caption(int element) const;
    void setCaption(int element, const QString& text);
    int elementAt(const QModelIndex& index) const;
    QModelIndex indexOf(int element) const;
    void clearAll();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    int m_tafels = 0;
    int m_partijen = 0;
    QStringList m_captions;
};
