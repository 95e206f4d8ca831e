object ControlsShowcase: TControlsShowcase
  Left = 40
  Top = 30
  Width = 640
  Height = 480
  Caption = '控件一览 Controls'
  Font.Height = -12
  Font.Name = 'Tahoma'
  Position = poDesigned
  object Label1: TLabel
    Left = 12
    Top = 14
    Caption = '查找内容(&T):'
    FocusControl = Edit1
  end
  object Edit1: TEdit
    Left = 96
    Top = 10
    Width = 140
    Text = '中文文本'
    TabOrder = 0
  end
  object MaskEdit1: TMaskEdit
    Left = 244
    Top = 10
    Width = 100
    EditMask = '000-0000;1;_'
    Text = '010-5551'
    TabOrder = 1
  end
  object Button1: TButton
    Left = 352
    Top = 8
    Caption = '确定'
    Default = True
    TabOrder = 2
  end
  object BitBtn1: TBitBtn
    Left = 432
    Top = 8
    Width = 88
    Height = 25
    Caption = '查找(&S)'
    Kind = bkCustom
    ModalResult = 1
    Spacing = 4
    Margin = -1
    TabOrder = 3
  end
  object SpeedButton1: TSpeedButton
    Left = 528
    Top = 8
    Width = 40
    Height = 25
    Caption = 'A'
    GroupIndex = 1
    Down = True
  end
  object SpeedButton2: TSpeedButton
    Left = 570
    Top = 8
    Width = 40
    Height = 25
    Caption = 'B'
    GroupIndex = 1
  end
  object PageControl1: TPageControl
    Left = 12
    Top = 44
    Width = 300
    Height = 200
    ActivePage = TabSheet1
    TabOrder = 4
    object TabSheet1: TTabSheet
      Caption = '邮政编码'
      ImageIndex = 0
      object Memo1: TMemo
        Left = 8
        Top = 8
        Width = 276
        Height = 150
        Lines.Strings = (
          '第一行'
          'second line')
        ScrollBars = ssVertical
        TabOrder = 0
      end
    end
    object TabSheet2: TTabSheet
      Caption = '手机'
      ImageIndex = 1
      object Panel1: TPanel
        Left = 0
        Top = 0
        Width = 292
        Height = 172
        Align = alClient
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object Edit2: TEdit
          Left = 8
          Top = 8
          Width = 120
          TabOrder = 0
        end
      end
    end
    object TabSheet3: TTabSheet
      Caption = '身份证'
      ImageIndex = 2
    end
  end
  object GroupBox1: TGroupBox
    Left = 324
    Top = 44
    Width = 140
    Height = 96
    Caption = '选项(&O)'
    TabOrder = 5
    object CheckBox1: TCheckBox
      Left = 10
      Top = 22
      Width = 120
      Caption = '区分大小写'
      State = cbChecked
      TabOrder = 0
    end
    object CheckBox2: TCheckBox
      Left = 10
      Top = 44
      Width = 120
      Caption = 'Grayed'
      AllowGrayed = True
      State = cbGrayed
      TabOrder = 1
    end
    object RadioButton1: TRadioButton
      Left = 10
      Top = 66
      Width = 120
      Caption = '单选按钮'
      Checked = True
      TabOrder = 2
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 472
    Top = 44
    Width = 150
    Height = 96
    Caption = '查找方式'
    Columns = 2
    ItemIndex = 2
    Items.Strings = (
      '区号'
      '邮编'
      '省份'
      '县/市名')
    TabOrder = 6
  end
  object ListBox1: TListBox
    Left = 324
    Top = 148
    Width = 140
    Height = 96
    ItemIndex = 1
    Items.Strings = (
      '北京'
      '上海'
      '广州')
    TabOrder = 7
  end
  object ComboBox1: TComboBox
    Left = 472
    Top = 148
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      '区号'
      '邮编'
      '省份')
    Text = '邮编'
    TabOrder = 8
  end
  object Edit3: TEdit
    Left = 472
    Top = 180
    Width = 60
    Text = '5'
    TabOrder = 9
  end
  object UpDown1: TUpDown
    Left = 532
    Top = 180
    Width = 17
    Height = 21
    Associate = Edit3
    Max = 10
    Position = 5
    TabOrder = 10
  end
  object ScrollBar1: TScrollBar
    Left = 12
    Top = 256
    Width = 300
    Height = 17
    Max = 200
    PageSize = 20
    Position = 50
    TabOrder = 11
  end
  object ProgressBar1: TProgressBar
    Left = 12
    Top = 284
    Width = 300
    Height = 18
    Position = 60
  end
  object TrackBar1: TTrackBar
    Left = 324
    Top = 256
    Width = 298
    Height = 45
    Max = 20
    Position = 8
    TabOrder = 12
  end
  object Panel2: TPanel
    Left = 12
    Top = 312
    Width = 610
    Height = 40
    BevelOuter = bvLowered
    Caption = '面板 Panel'
    TabOrder = 13
  end
end
