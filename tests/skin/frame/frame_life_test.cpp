// The frame skin's life: attaching to a form and to a bare window, the
// caption styles, the frame it answers, the first activation, the states
// it tracks, and everything it gives back.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/skin_engine.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

TEST_F(FrameTest, AFormRefusingEveryResizeGetsTheSkinnedFrameAroundTheSameClient) {
  auto* form = ShowForm<TFixedForm>();
  HWND h = form->Handle();
  const RECT client_before = ClientRectOf(h);
  TWinSkinForm* skin = Skin(*form);
  EXPECT_EQ(skin->CaptionHeight(), 25);
  EXPECT_EQ(skin->BorderLeft(), 5);
  EXPECT_EQ(skin->BorderRight(), 5);
  EXPECT_EQ(skin->BorderBottom(), 13);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  const RECT window = WindowRectOf(h);
  const RECT client = ClientRectOf(h);
  EXPECT_EQ(Width(client), Width(client_before));
  EXPECT_EQ(Height(client), Height(client_before));
  EXPECT_EQ(Width(window), 5 + Width(client) + 5);
  EXPECT_EQ(Height(window), 25 + Height(client) + 13);
}

}  // namespace
}  // namespace hm::test

namespace hm::test {
namespace {

TEST_F(FrameTest, TheManagerAttachesAFrameSkinOwnedByTheFormAtTheFirstActivation) {
  Owned<TFixedForm> form = MakeRoot<TFixedForm>();
  form->SetBounds(40, 40, 300, 200);
  auto* data = MakeOwned<TSkinData>(*form);
  LoadKolvane(*data);
  data->SetActive(true);
  data->Loaded();
  form->Show();
  Pump();
  TSkinManage& manager = SkinManager();
  ASSERT_EQ(manager.FormSkinCount(), 1);
  auto* skin = dynamic_cast<TWinSkinForm*>(manager.FindFormSkin(form->Handle()));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Owner(), form.get());
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  form.reset();
  EXPECT_EQ(manager.FormSkinCount(), 0);
  DestroySkinManager();
  RegisterFrameSkins(SkinManager());
}

}  // namespace
}  // namespace hm::test
