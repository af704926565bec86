#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <string>
#include <string_view>

// The folders of the file system as a tree, from "/" down. Names are kept as
// the bytes the system gives, so every path comes back exactly. A folder's
// subfolders are listed when it is first expanded (or walked through by
// IndexOf) and kept from then on. Hidden folders and links to folders are
// listed too; a folder that cannot be read has no subfolders.
class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit FolderTreeModel(QObject* parent = nullptr);
    ~FolderTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // None: the tree shows no header, and a screen reader reads none.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The full path of the folder at `index` ("/" for the root).
    std::string PathOf(const QModelIndex& index) const;
    // The folder at the absolute `path`, listing the folders on the way;
    // invalid when a part of the path is not a subfolder of the one before.
    QModelIndex IndexOf(std::string_view path);

private:
    struct Node;
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexFor(const Node* node) const;
    void List(Node* node);

    std::unique_ptr<Node> m_top; // invisible; its one child is "/"
    QIcon m_folderIcon;
};
