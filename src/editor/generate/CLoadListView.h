#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QTreeWidgetItem;

namespace tarnholt {

class LoadAction;
class NewListCtrlClass;
class Questions;
class World;

/// "Things Loaded in this Zone": every load action of every room in one table, where the maximum
/// or the probability of several can be changed at once and one can be deleted. Works on the World
/// directly; the caller marks the document modified when the form closes.
///
/// Each row remembers the array index of its room beside the action's position in the room's load
/// list, and is checked against both before it is used, so that a change never lands on another
/// room bearing the same Identifier or outside a load list.
class CLoadListView : public QDialog {
    Q_OBJECT

public:
    CLoadListView(World& world, Questions& questions, QWidget* parent = nullptr);

    NewListCtrlClass* list() const { return list_; }

    /// Empties the table and fills it again from the World.
    void refill();

    /// The buttons' actions.
    void changeProbability();
    void changeMax();
    void deleteLoad();

    /// The short condition name of the "Condition" column ("" for an unknown condition).
    static std::string conditionText(int32_t condition);
    /// The "Task" column of an action ("" for an unknown task).
    static std::string taskText(const LoadAction& action);

    /// Settings group of the table's column widths.
    static QString registryKey();

private:
    enum class Field { Probability, MaxLoad };
    void changeSelected(Field field);
    /// The load action a row stands for, or null when the World no longer has it.
    LoadAction* actionOf(const QTreeWidgetItem* row) const;

    World& world_;
    Questions& questions_;
    NewListCtrlClass* list_ = nullptr;
};

} // namespace tarnholt
