// Tree views: the native tree holds the control's nodes in the control's order, and the peer
// keeps the native item of each node by the node's pre-order index, as the changes arrive. A
// sorted tree keeps its nodes sorted itself, by its own comparison, which the native sort does
// not share: when the nodes were only reordered, the native children are sorted into the
// control's order, so that expanded and selected items stay so. Editing a node's text in place
// writes the node's text, and the native item follows the node.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/TreeView.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/TreeView.h"

namespace tk::win32 {

namespace {

DWORD EditStyle(const TCustomTreeView& tree) {
  return tree.ReadOnly() ? 0 : TVS_EDITLABELS;
}

class TreeViewPeer : public WindowPeer {
 public:
  explicit TreeViewPeer(TCustomTreeView& tree) : WindowPeer(tree), tree_(tree) {
    CreateChild(WC_TREEVIEWW,
                TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                    EditStyle(tree) | TabStopStyle(tree),
                WS_EX_CLIENTEDGE);
    Reload();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Items:
        Reload();
        break;
      case Aspect::ReadOnly:
        Native().ReplaceStyle(TVS_EDITLABELS, EditStyle(tree_));
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case ListChange::Put:
        Native().SetText(handles_.at(static_cast<std::size_t>(index)),
                         tree_.Items().Item(index)->Text());
        break;
      case ListChange::Insert:
        InsertNode(index);
        break;
      case ListChange::Delete: {
        // The node went with its children: they followed it in pre-order.
        const auto first = handles_.begin() + index;
        const auto gone = static_cast<std::ptrdiff_t>(handles_.size()) - tree_.Items().Count();
        Native().Delete(*first);
        handles_.erase(first, first + gone);
        break;
      }
      case ListChange::Reset:
        if (!Reorder()) Reload();
        break;
    }
  }

 private:
  native::TreeView Native() const { return native::TreeView(Handle()); }

  void Reload() {
    Native().Delete(TVI_ROOT);
    handles_.clear();
    const TTreeNodes& nodes = tree_.Items();
    handles_.reserve(static_cast<std::size_t>(nodes.Count()));
    // In pre-order every node comes after its parent and its earlier siblings.
    for (int i = 0; i < nodes.Count(); ++i) {
      const TTreeNode* node = nodes.Item(i);
      handles_.push_back(Insert(ParentHandle(*node), TVI_LAST, *node));
    }
  }

  // The node at `index` is new; the nodes before it in pre-order have their native items.
  void InsertNode(int index) {
    const TTreeNode* node = tree_.Items().Item(index);
    HTREEITEM after = TVI_FIRST;
    if (node->Index() > 0) {
      // The earlier sibling's subtree ends just before the node: climb from there to it.
      const TTreeNode* sibling = tree_.Items().Item(index - 1);
      while (sibling->Parent() != node->Parent()) sibling = sibling->Parent();
      after = ItemOf(*sibling);
    }
    HTREEITEM item = Insert(ParentHandle(*node), after, *node);
    handles_.insert(handles_.begin() + index, item);
  }

  HTREEITEM ItemOf(const TTreeNode& node) const {
    return handles_.at(static_cast<std::size_t>(node.AbsoluteIndex()));
  }

  HTREEITEM ParentHandle(const TTreeNode& node) const {
    const TTreeNode* parent = node.Parent();
    return parent != nullptr ? ItemOf(*parent) : TVI_ROOT;
  }

  // Each native item knows its node, so that a reorder can find the nodes again.
  HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const TTreeNode& node) {
    return Native().Insert(parent, after, node.Text(), reinterpret_cast<LPARAM>(&node));
  }

  // When the native items are the control's nodes under the same parents, only in another order,
  // sorts each native parent's children into the control's order and writes the texts again
  // (changes gathered into one reset may have changed them). False when anything else changed.
  bool Reorder() {
    const TTreeNodes& nodes = tree_.Items();
    if (nodes.Count() == 0 || static_cast<int>(handles_.size()) != nodes.Count()) return false;
    // Native items name their nodes by address; an address is only followed once the model
    // has confirmed it is one of its nodes.
    std::unordered_map<LPARAM, HTREEITEM> native;
    native.reserve(handles_.size());
    for (HTREEITEM item : handles_) native.emplace(Native().Param(item), item);
    auto find = [&native](const TTreeNode* node) -> HTREEITEM {
      const auto it = native.find(reinterpret_cast<LPARAM>(node));
      return it != native.end() ? it->second : nullptr;
    };
    for (int i = 0; i < nodes.Count(); ++i) {
      const TTreeNode* node = nodes.Item(i);
      HTREEITEM item = find(node);
      if (item == nullptr) return false;
      HTREEITEM parent = node->Parent() != nullptr ? find(node->Parent()) : nullptr;
      if (Native().Parent(item) != parent) return false;
    }
    Native().SortChildren(TVI_ROOT, &InControlOrder);
    for (int i = 0; i < nodes.Count(); ++i) {
      const TTreeNode* node = nodes.Item(i);
      HTREEITEM item = find(node);
      handles_[static_cast<std::size_t>(i)] = item;
      Native().SetText(item, node->Text());
      if (node->HasChildren()) Native().SortChildren(item, &InControlOrder);
    }
    return true;
  }

  static int CALLBACK InControlOrder(LPARAM a, LPARAM b, LPARAM) {
    const int x = reinterpret_cast<const TTreeNode*>(a)->AbsoluteIndex();
    const int y = reinterpret_cast<const TTreeNode*>(b)->AbsoluteIndex();
    return x < y ? -1 : (x > y ? 1 : 0);
  }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != WM_NOTIFY) return WindowPeer::Notification(message, wParam, lParam, result);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != TVN_ENDLABELEDITW) return false;
    const auto* edit = reinterpret_cast<const NMTVDISPINFOW*>(lParam);
    // The native text stays: the node's own change brings the new text back.
    result = FALSE;
    if (edit->item.pszText == nullptr) return true;  // the edit was cancelled
    const auto found = std::find(handles_.begin(), handles_.end(), edit->item.hItem);
    if (found == handles_.end()) return true;
    TTreeNode* node = tree_.Items().Item(static_cast<int>(found - handles_.begin()));
    const std::string text = Narrow(edit->item.pszText);
    Application().Guarded([node, &text] { node->SetText(text); });
    return true;
  }

  TCustomTreeView& tree_;
  std::vector<HTREEITEM> handles_;  // the native item of each node, in pre-order
};

}  // namespace

void RegisterTreeViewPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomTreeView, TreeViewPeer>();
}

}  // namespace tk::win32
