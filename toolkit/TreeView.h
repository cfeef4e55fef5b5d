// Tree views: a tree of nodes with texts. The nodes are also reached as one list, counted
// through the whole tree depth-first in pre-order (a node, then its children in order, then its
// next sibling); walking that list in order costs constant time per node.
//
// Of the names the localization component asks for, TTreeView publishes "ReadOnly" and "Hint"
// (no "Text" or "Lines": its texts are the nodes'). Its nodes are published but not stored.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/ComCtrls.h"
#include "toolkit/Control.h"

namespace tk {

class TTreeNodes;

class TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  TTreeNodes* Owner() const { return owner_; }
  // Null for a node at the top level.
  TTreeNode* Parent() const;
  const std::string& Text() const { return text_; }
  // In a tree that sorts by text, the node moves to its place among its siblings.
  void SetText(const std::string& text);
  std::intptr_t Data() const { return data_; }
  void SetData(std::intptr_t data);

  int Count() const { return static_cast<int>(children_.size()); }
  bool HasChildren() const { return !children_.empty(); }
  // The child at `index`; raises the list index error outside.
  TTreeNode* Item(int index) const;
  // The position among its siblings.
  int Index() const;
  // The position in the whole tree, counted in pre-order.
  int AbsoluteIndex() const;
  // 0 at the top level.
  int Level() const;

 private:
  friend class TTreeNodes;
  TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  int SubtreeSize() const;

  TTreeNodes* owner_;
  TTreeNode* parent_;  // the owner's hidden root for top-level nodes
  std::string text_;
  std::intptr_t data_ = 0;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  int absoluteIndex_ = -1;  // valid while the owner's order is
};

class TTreeNodes : public TPersistent {
  TK_CLASS()

 public:
  // Told of every change with the pre-order index it concerns (-1 for Reset).
  using Observer = std::function<void(ListChange, int index)>;

  TTreeNodes();
  ~TTreeNodes() override;

  // All nodes of the tree.
  int Count() const { return count_; }
  // The node at pre-order position `index`; raises the list index error outside.
  TTreeNode* Item(int index) const;
  TTreeNode* operator[](int index) const { return Item(index); }
  TTreeNode* GetFirstNode() const;
  int TopCount() const { return root_.Count(); }

  // New nodes: as the last or first sibling of `sibling`, as the last or first child of
  // `parent`, or before `sibling`; null means the top level (Insert: at its end). In a sorted
  // tree a new node takes its sorted place instead.
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
  // Deletes the node with its children.
  void Delete(TTreeNode* node);
  void Clear();

  // Between BeginUpdate and the matching EndUpdate changes are gathered into one Reset.
  void BeginUpdate() { ++updateLock_; }
  void EndUpdate();

  // Keeps every node's children in this order from now on; sorts at once unless stNone.
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType sortType);

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  friend class TTreeNode;
  TTreeNode* InsertAt(TTreeNode* parent, int position, const std::string& text);
  TTreeNode* ParentOf(TTreeNode* sibling) { return sibling != nullptr ? sibling->parent_ : &root_; }
  void NodeChanged(TTreeNode* node, bool sortKeyChanged);
  bool SortChildren(TTreeNode* parent);  // true when the order changed
  bool Less(const TTreeNode& a, const TTreeNode& b) const;
  void EnsureOrder() const;
  void Notify(ListChange change, int index);

  TTreeNode root_;
  int count_ = 0;
  TSortType sortType_ = stNone;
  mutable std::vector<TTreeNode*> order_;
  mutable bool orderValid_ = true;
  Observer observer_;
  int updateLock_ = 0;
  bool changedWhileLocked_ = false;
};

class TCustomTreeView : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomTreeView(TComponent* owner);
  TTreeNodes& Items() { return items_; }
  const TTreeNodes& Items() const { return items_; }
  std::int32_t SortType() const { return items_.SortType(); }
  void SetSortType(std::int32_t sortType) { items_.SetSortType(static_cast<TSortType>(sortType)); }
  // Whether the user may edit node texts in place.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);

  // Once the peer exists the nodes report their changes with their pre-order index; before,
  // nothing listens and no index is computed.
  void HandleNeeded() override;

 private:
  TTreeNodes items_;
  bool readOnly_ = false;
};

class TTreeView : public TCustomTreeView {
  TK_CLASS()

 public:
  explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

}  // namespace tk
