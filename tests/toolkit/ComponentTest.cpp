#include <memory>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

class Tracked : public TComponent {
 public:
  Tracked(TComponent* owner, int* destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~Tracked() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

using ComponentTest = HeadlessApp;

TEST_F(ComponentTest, OwnerKeepsComponentsInCreationOrder) {
  TComponent owner(nullptr);
  auto* a = NewComponent<TLabel>(&owner, "A");
  auto* b = NewComponent<TButton>(&owner, "B");
  auto* c = NewComponent<TLabel>(&owner, "C");
  ASSERT_EQ(owner.OwnedCount(), 3);
  EXPECT_EQ(owner.OwnedComponent(0), a);
  EXPECT_EQ(owner.OwnedComponent(1), b);
  EXPECT_EQ(owner.OwnedComponent(2), c);
  delete b;
  ASSERT_EQ(owner.OwnedCount(), 2);
  EXPECT_EQ(owner.OwnedComponent(1), c);
}

TEST_F(ComponentTest, OwnerDestroysOwnedComponents) {
  int destroyed = 0;
  {
    TComponent owner(nullptr);
    new Tracked(&owner, &destroyed);
    auto* middle = new Tracked(&owner, &destroyed);
    new Tracked(middle, &destroyed);
  }
  EXPECT_EQ(destroyed, 3);
}

TEST_F(ComponentTest, FindOwnedComponentIgnoresAsciiCase) {
  TComponent owner(nullptr);
  auto* label = NewComponent<TLabel>(&owner, "Label1");
  EXPECT_EQ(owner.FindOwnedComponent("LABEL1"), label);
  EXPECT_EQ(owner.FindOwnedComponent("label1"), label);
  EXPECT_EQ(owner.FindOwnedComponent("Label"), nullptr);
  EXPECT_EQ(owner.FindOwnedComponent(""), nullptr);
}

TEST_F(ComponentTest, FindFollowsRenamesAndRemovals) {
  TComponent owner(nullptr);
  auto* label = NewComponent<TLabel>(&owner, "Label1");
  label->SetName("Caption2");
  EXPECT_EQ(owner.FindOwnedComponent("Label1"), nullptr);
  EXPECT_EQ(owner.FindOwnedComponent("caption2"), label);
  delete label;
  EXPECT_EQ(owner.FindOwnedComponent("caption2"), nullptr);
}

TEST_F(ComponentTest, NamesMustBeIdentifiersAndUniquePerOwner) {
  TComponent owner(nullptr);
  NewComponent<TLabel>(&owner, "Label1");
  auto* other = new TLabel(&owner);
  EXPECT_THROW(other->SetName("LABEL1"), EComponentError);
  EXPECT_THROW(other->SetName("\"x"), EComponentError);
  EXPECT_THROW(other->SetName("1abc"), EComponentError);
  EXPECT_NO_THROW(other->SetName("_label_2"));
  TComponent elsewhere(nullptr);
  EXPECT_NO_THROW(NewComponent<TLabel>(&elsewhere, "Label1"));
}

TEST_F(ComponentTest, IsATestsFollowTheClassChain) {
  TForm form(nullptr);
  TLabel label(nullptr);
  EXPECT_TRUE(form.Is<TCustomForm>());
  EXPECT_TRUE(form.Is<TWinControl>());
  EXPECT_TRUE(form.Is<TComponent>());
  EXPECT_FALSE(label.Is<TWinControl>());
  EXPECT_TRUE(label.Is<TControl>());
  EXPECT_EQ(label.ClassName(), "TLabel");
}

TEST_F(ComponentTest, LoadingFlagClearedByAfterLoading) {
  TComponent c(nullptr);
  c.SetLoading(true);
  EXPECT_TRUE(c.IsLoading());
  c.AfterLoading();
  EXPECT_FALSE(c.IsLoading());
  EXPECT_FALSE(c.IsDesigning());
}

TEST_F(ComponentTest, ControlsFollowTheirParentsFont) {
  TForm form(nullptr);
  auto* label = NewComponent<TLabel>(&form, "Label1");
  label->SetParent(&form);
  form.Font().SetCharSet(238);
  EXPECT_EQ(label->Font().CharSet(), 238);
  label->Font().SetHeight(-13);  // its own font from now on
  EXPECT_FALSE(label->ParentFont());
  form.Font().SetName("Tahoma");
  EXPECT_EQ(label->Font().Name(), "MS Sans Serif");
}

}  // namespace
