object DemoForm: TDemoForm
  Left = 120
  Top = 90
  Width = 330
  Height = 270
  BorderIcons = [biSystemMenu]
  Caption = 'Demo 演示'
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PixelsPerInch = 96
  TextHeight = 13
  OnCanResize = FormCanResize
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 10
    Top = 12
    Caption = '名称(&N):'
    FocusControl = Button5
  end
  object Panel1: TPanel
    Left = 8
    Top = 36
    Width = 145
    Height = 150
    Caption = 'Panel1'
    TabOrder = 0
    object Label2: TLabel
      Left = 8
      Top = 8
      Caption = '&Alpha 甲'
      FocusControl = Button2
    end
    object Button1: TButton
      Left = 8
      Top = 30
      Width = 90
      Caption = '&Go 查找'
      TabOrder = 1
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 8
      Top = 64
      Width = 90
      Caption = 'Second'
      TabOrder = 0
    end
  end
  object Panel2: TPanel
    Left = 164
    Top = 36
    Width = 145
    Height = 150
    BevelOuter = bvLowered
    Color = clWhite
    TabOrder = 1
    Visible = False
    object Label3: TLabel
      Left = 8
      Top = 8
      Caption = '&Alpha 乙'
      FocusControl = Button4
    end
    object Button3: TButton
      Left = 8
      Top = 30
      Width = 90
      Caption = '&Go'
      TabOrder = 0
      OnClick = Button3Click
    end
    object Button4: TButton
      Left = 8
      Top = 64
      Width = 90
      Caption = 'Fourth'
      TabOrder = 1
    end
  end
  object Button5: TButton
    Left = 8
    Top = 196
    Caption = 'OK'
    TabOrder = 2
  end
end
