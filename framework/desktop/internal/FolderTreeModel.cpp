#include "framework/desktop/internal/FolderTreeModel.h"

#include "common/NameOrder.h"
#include "framework/types/ByteText.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

struct FolderTreeModel::Node {
    Node(std::string name, Node* parent, int row)
        : name(std::move(name)), parent(parent), row(row) {}

    std::string name;
    Node* parent;
    int row;
    bool listed = false;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {
// The names of the subfolders of `path` and of the links to folders in it,
// in no particular order; none when the folder cannot be read.
std::vector<std::string> ReadFolderNames(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr)
        return names;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        bool folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info;
            folder = ::fstatat(fd, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (folder)
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}
} // namespace

FolderTreeModel::FolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_top(std::make_unique<Node>(std::string(), nullptr, 0)),
      m_folderIcon(QApplication::style()->standardIcon(QStyle::SP_DirIcon)) {
    m_top->children.push_back(std::make_unique<Node>("/", m_top.get(), 0));
    m_top->listed = true;
}

FolderTreeModel::~FolderTreeModel() = default;

FolderTreeModel::Node* FolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_top.get();
}

QModelIndex FolderTreeModel::IndexFor(const Node* node) const {
    return node == m_top.get() ? QModelIndex() : createIndex(node->row, 0, node);
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[row].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    return child.isValid() ? IndexFor(NodeOf(child)->parent) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant FolderTreeModel::headerData(int, Qt::Orientation, int) const {
    return QVariant();
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return ByteText::ToDisplay(NodeOf(index)->name);
    if (role == Qt::DecorationRole)
        return m_folderIcon;
    return {};
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    return !node->listed || !node->children.empty();
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return !NodeOf(parent)->listed;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    List(NodeOf(parent));
}

void FolderTreeModel::List(Node* node) {
    if (node->listed)
        return;
    node->listed = true;
    std::vector<std::string> names = ReadFolderNames(PathOf(IndexFor(node)));
    if (names.empty())
        return;
    std::sort(names.begin(), names.end(), NameOrder::Before);
    beginInsertRows(IndexFor(node), 0, static_cast<int>(names.size()) - 1);
    for (std::string& name : names) {
        const int row = static_cast<int>(node->children.size());
        node->children.push_back(std::make_unique<Node>(std::move(name), node, row));
    }
    endInsertRows();
}

std::string FolderTreeModel::PathOf(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    std::vector<const Node*> chain;
    for (const Node* node = NodeOf(index); node->parent != m_top.get(); node = node->parent)
        chain.push_back(node);
    std::string path;
    for (auto node = chain.rbegin(); node != chain.rend(); ++node)
        path += "/" + (*node)->name;
    return path.empty() ? "/" : path;
}

QModelIndex FolderTreeModel::IndexOf(std::string_view path) {
    if (path.empty() || path.front() != '/')
        return {};
    Node* node = m_top->children.front().get();
    while (!path.empty()) {
        const size_t start = path.find_first_not_of('/');
        if (start == std::string_view::npos)
            break;
        path.remove_prefix(start);
        const std::string_view name = path.substr(0, path.find('/'));
        path.remove_prefix(name.size());
        List(node);
        const auto child = std::find_if(node->children.begin(), node->children.end(),
                                        [name](const auto& c) { return c->name == name; });
        if (child == node->children.end())
            return {};
        node = child->get();
    }
    return IndexFor(node);
}
