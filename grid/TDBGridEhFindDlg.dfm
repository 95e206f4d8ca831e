object DBGridEhFindDlg: TDBGridEhFindDlg
  Left = 250
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Find text'
  ClientHeight = 124
  ClientWidth = 505
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -10
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  Position = poScreenCenter
  object Label1: TLabel
    Left = 10
    Top = 12
    Width = 52
    Height = 13
    Caption = 'Fi&nd What:'
    FocusControl = cbText
  end
  object Label2: TLabel
    Left = 10
    Top = 35
    Width = 34
    Height = 13
    Caption = 'Find &in:'
    FocusControl = cbFindIn
  end
  object cbMatchType: TLabel
    Left = 10
    Top = 58
    Width = 33
    Height = 13
    Caption = 'Matc&h:'
    FocusControl = cbMatchinType
  end
  object Label3: TLabel
    Left = 10
    Top = 82
    Width = 37
    Height = 13
    Caption = 'Sea&rch:'
    FocusControl = cbFindDirection
  end
  object cbText: TDBComboBoxEh
    Left = 88
    Top = 9
    Width = 316
    Height = 21
    DropDownBox.Rows = 17
    DropDownBox.Sizable = True
    EditButtons = <>
    OnChange = cbTextChange
    TabOrder = 0
    Visible = True
  end
  object cbFindIn: TDBComboBoxEh
    Left = 88
    Top = 32
    Width = 192
    Height = 21
    DropDownBox.Rows = 17
    DropDownBox.Sizable = True
    EditButtons = <>
    OnChange = cbFindInChange
    TabOrder = 1
    Visible = True
  end
  object cbMatchinType: TDBComboBoxEh
    Left = 88
    Top = 55
    Width = 144
    Height = 21
    EditButtons = <>
    Items.Strings = (
      'From any part of field'
      'Whole field'
      'From beging of field')
    KeyItems.Strings = (
      '0'
      '1'
      '2')
    TabOrder = 2
    Text = 'From any part of field'
    Visible = True
  end
  object cbFindDirection: TDBComboBoxEh
    Left = 88
    Top = 79
    Width = 144
    Height = 21
    EditButtons = <>
    Items.Strings = (
      'Up'
      'Down'
      'All')
    KeyItems.Strings = (
      '0'
      '1'
      '2')
    OnChange = cbFindDirectionChange
    TabOrder = 3
    Text = 'All'
    Visible = True
  end
  object cbCharCase: TCheckBox
    Left = 88
    Top = 105
    Width = 144
    Height = 14
    Caption = 'Match &Case'
    TabOrder = 4
  end
  object cbUseFormat: TCheckBox
    Left = 260
    Top = 105
    Width = 144
    Height = 14
    Caption = 'Match F&ormat'
    State = cbChecked
    TabOrder = 5
  end
  object bFind: TButton
    Left = 413
    Top = 9
    Width = 82
    Height = 23
    Caption = '&Find next'
    OnClick = bFindClick
    TabOrder = 6
  end
  object bCancel: TButton
    Left = 413
    Top = 37
    Width = 82
    Height = 22
    Cancel = True
    Caption = 'Close'
    ModalResult = 2
    TabOrder = 7
  end
end
