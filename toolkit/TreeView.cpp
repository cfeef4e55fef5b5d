#include "toolkit/TreeView.h"

#include <algorithm>

#include "base/Ascii.h"
#include "base/Errors.h"
#include "toolkit/ControlProps.h"

namespace tk {

namespace {
constexpr std::string_view kSortTypes[] = {"stNone", "stData", "stText", "stBoth"};
using NodesGetter = const TTreeNodes& (TCustomTreeView::*)() const;
}  // namespace

const ClassInfo& TTreeNodes::StaticClass() {
  static const ClassInfo info{"TTreeNodes", &TPersistent::StaticClass(), {}};
  return info;
}

const ClassInfo& TCustomTreeView::StaticClass() {
  static const ClassInfo info{"TCustomTreeView", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TTreeView::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      props::Font(),
      ObjectProperty<TCustomTreeView, static_cast<NodesGetter>(&TCustomTreeView::Items)>(
          "Items", Stored::Never),
      props::ParentFont(),
      BoolProperty<TCustomTreeView, &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly>(
          "ReadOnly", false),
      EnumProperty<TCustomTreeView, &TCustomTreeView::SortType, &TCustomTreeView::SetSortType>(
          "SortType", kSortTypes, stNone),
      props::TabOrder(),
  };
  static const ClassInfo info{"TTreeView", &TCustomTreeView::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TTreeView(o); }};
  return info;
}

// --- nodes

TTreeNode* TTreeNode::Parent() const {
  return (parent_ == nullptr || parent_ == &owner_->root_) ? nullptr : parent_;
}

void TTreeNode::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  owner_->NodeChanged(this, owner_->SortType() == stText || owner_->SortType() == stBoth);
}

void TTreeNode::SetData(std::intptr_t data) {
  if (data == data_) return;
  data_ = data;
  owner_->NodeChanged(this, owner_->SortType() == stData || owner_->SortType() == stBoth);
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw base::EStringListError::IndexOutOfBounds(index);
  return children_[static_cast<std::size_t>(index)].get();
}

int TTreeNode::Index() const {
  const auto& siblings = parent_->children_;
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

int TTreeNode::AbsoluteIndex() const {
  owner_->EnsureOrder();
  return absoluteIndex_;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = Parent(); p != nullptr; p = p->Parent()) ++level;
  return level;
}

int TTreeNode::SubtreeSize() const {
  int n = 1;
  for (const auto& child : children_) n += child->SubtreeSize();
  return n;
}

// --- the tree

TTreeNodes::TTreeNodes() : root_(this, nullptr) {}

TTreeNodes::~TTreeNodes() {
  observer_ = nullptr;
}

void TTreeNodes::EnsureOrder() const {
  if (orderValid_) return;
  order_.clear();
  order_.reserve(static_cast<std::size_t>(count_));
  // Iterative, so that a deep tree cannot exhaust the stack.
  std::vector<const TTreeNode*> stack;
  for (auto it = root_.children_.rbegin(); it != root_.children_.rend(); ++it) {
    stack.push_back(it->get());
  }
  while (!stack.empty()) {
    auto* node = const_cast<TTreeNode*>(stack.back());
    stack.pop_back();
    node->absoluteIndex_ = static_cast<int>(order_.size());
    order_.push_back(node);
    for (auto it = node->children_.rbegin(); it != node->children_.rend(); ++it) {
      stack.push_back(it->get());
    }
  }
  orderValid_ = true;
}

TTreeNode* TTreeNodes::Item(int index) const {
  if (index < 0 || index >= count_) throw base::EStringListError::IndexOutOfBounds(index);
  EnsureOrder();
  return order_[static_cast<std::size_t>(index)];
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  return root_.children_.empty() ? nullptr : root_.children_.front().get();
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  TTreeNode* parent = ParentOf(sibling);
  return InsertAt(parent, parent->Count(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
  return InsertAt(ParentOf(sibling), 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  TTreeNode* p = parent != nullptr ? parent : &root_;
  return InsertAt(p, p->Count(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
  return InsertAt(parent != nullptr ? parent : &root_, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
  if (sibling == nullptr) return InsertAt(&root_, root_.Count(), text);
  return InsertAt(sibling->parent_, sibling->Index(), text);
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int position, const std::string& text) {
  auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this, parent));
  node->text_ = text;
  TTreeNode* raw = node.get();
  auto& siblings = parent->children_;
  auto where = siblings.begin() + position;
  if (sortType_ != stNone) {
    where = std::upper_bound(siblings.begin(), siblings.end(), raw,
                             [&](const TTreeNode* n, const auto& s) { return Less(*n, *s); });
  }
  siblings.insert(where, std::move(node));
  ++count_;
  orderValid_ = false;
  if (observer_ && updateLock_ == 0) Notify(ListChange::Insert, raw->AbsoluteIndex());
  changedWhileLocked_ |= updateLock_ > 0;
  return raw;
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node == nullptr || node->owner_ != this || node == &root_) return;
  const int index = (observer_ && updateLock_ == 0) ? node->AbsoluteIndex() : -1;
  count_ -= node->SubtreeSize();
  auto& siblings = node->parent_->children_;
  siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                              [&](const auto& n) { return n.get() == node; }));
  orderValid_ = false;
  Notify(ListChange::Delete, index);
}

void TTreeNodes::Clear() {
  if (count_ == 0) return;
  root_.children_.clear();
  count_ = 0;
  orderValid_ = false;
  Notify(ListChange::Reset, -1);
}

void TTreeNodes::EndUpdate() {
  if (updateLock_ == 0 || --updateLock_ > 0) return;
  if (changedWhileLocked_) {
    changedWhileLocked_ = false;
    Notify(ListChange::Reset, -1);
  }
}

void TTreeNodes::SetSortType(TSortType sortType) {
  if (sortType == sortType_) return;
  sortType_ = sortType;
  if (sortType_ == stNone) return;
  // Sorts every level; nodes keep their children, so one pass over all parents does it.
  bool moved = SortChildren(&root_);
  EnsureOrder();
  for (TTreeNode* node : std::vector<TTreeNode*>(order_)) moved |= SortChildren(node);
  if (moved) {
    orderValid_ = false;
    Notify(ListChange::Reset, -1);
  }
}

bool TTreeNodes::Less(const TTreeNode& a, const TTreeNode& b) const {
  switch (sortType_) {
    case stNone:
      return false;
    case stData:
      return a.data_ < b.data_;
    case stText:
      return base::CompareTextAscii(a.text_, b.text_) < 0;
    case stBoth: {
      const int c = base::CompareTextAscii(a.text_, b.text_);
      return c != 0 ? c < 0 : a.data_ < b.data_;
    }
  }
  return false;
}

bool TTreeNodes::SortChildren(TTreeNode* parent) {
  auto& children = parent->children_;
  if (std::is_sorted(children.begin(), children.end(),
                     [&](const auto& a, const auto& b) { return Less(*a, *b); })) {
    return false;
  }
  std::stable_sort(children.begin(), children.end(),
                   [&](const auto& a, const auto& b) { return Less(*a, *b); });
  return true;
}

void TTreeNodes::NodeChanged(TTreeNode* node, bool sortKeyChanged) {
  if (sortKeyChanged && SortChildren(node->parent_)) {
    orderValid_ = false;
    Notify(ListChange::Reset, -1);
    return;
  }
  if (observer_ && updateLock_ == 0) Notify(ListChange::Put, node->AbsoluteIndex());
  changedWhileLocked_ |= updateLock_ > 0;
}

void TTreeNodes::Notify(ListChange change, int index) {
  if (updateLock_ > 0) {
    changedWhileLocked_ = true;
    return;
  }
  if (observer_) observer_(change, index);
}

// --- the control

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
}

void TCustomTreeView::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  NotifyPeer(Aspect::ReadOnly);
}

void TCustomTreeView::HandleNeeded() {
  TWinControl::HandleNeeded();
  if (Peer() != nullptr) {
    items_.SetObserver(
        [this](ListChange change, int index) { NotifyItems(ItemList::Items, change, index); });
  }
}

}  // namespace tk
