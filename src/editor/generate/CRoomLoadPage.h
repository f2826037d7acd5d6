#pragma once

#include <vector>

#include "generate/LoadAction.h"
#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnholt {

class Room;
class Universe;
class World;

/// The "Attach" page of the room editor: the room's load list as a tree (later loads under the
/// load they depend on) and the fields of one load action.
class CRoomLoadPage : public CSheetPage {
    Q_OBJECT
public:
    CRoomLoadPage(Room& room, const World& world, const Universe& universe, Questions& questions,
                  QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

    /// Index of the current load action, -1 for none.
    int currentLoad() const { return current_; }

    /// The tree parent of each load action (an index, or -1 for the top level): "Do Always" at the
    /// top, "last action" conditions under the action just before, "last Mob" conditions under the
    /// latest "Load Mob", anything else beside the action before.
    static std::vector<int> treeParents(const std::vector<LoadAction>& loads);

    /// The program-wide clipboard of "Copy All Loads", kept from one editor to the next.
    static const std::vector<LoadAction>& clipboard();
    static void clearClipboard();

private:
    void fillFields(const LoadAction* action);
    /// Reads the two numbers; false (after saying why) when one is not a number.
    bool readNumbers(int32_t& probability, int32_t& maxLoad);
    void fieldsInto(LoadAction& action, int32_t probability, int32_t maxLoad) const;
    void updateEnabling();
    void rebuildTree();
    void nodeChosen(QTreeWidgetItem* item);

    void addLoad();
    void updateLoad();
    void deleteLoad();
    void copyAll();
    void paste();

    Room& room_;
    const World& world_;
    const Universe& universe_;
    int current_ = -1;
    bool opened_ = false;
    std::vector<QTreeWidgetItem*> nodes_;

    QTreeWidget* tree_ = nullptr;
    QComboBox* action_ = nullptr;
    QComboBox* condition_ = nullptr;
    QComboBox* mob_ = nullptr;
    QComboBox* item_ = nullptr;
    QComboBox* equipPosition_ = nullptr;
    QComboBox* container_ = nullptr;
    // Entries of mob_, item_ and container_ made from the World; -1 until made.
    int listedMobs_ = -1;
    int listedItems_ = -1;
    int listedContainers_ = -1;
    QLineEdit* probability_ = nullptr;
    QLineEdit* maxLoad_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* updateButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
};

} // namespace tarnholt
