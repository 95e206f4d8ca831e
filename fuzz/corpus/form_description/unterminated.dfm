object F: TSampleForm
  Tag = 1
  object B: TSampleControl
    Visible = True
    Caption = #0
  end
