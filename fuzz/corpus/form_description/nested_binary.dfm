inherited F: TSampleForm
  OnCanResize = FormCanResize
  object P: TSamplePanel
    object Q: TSamplePanel
      Color = $80000005
      object K: TSampleSkin
        SkinStream = {03000000 00 7F FF}
      end
    end
  end
end
