object GridTestForm: TGridTestForm
  Left = 279
  Top = 176
  BorderIcons = [biSystemMenu]
  Caption = 'Grid'
  Width = 303
  Height = 335
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object DBGridEh1: TDBGridEh
    Left = 7
    Top = 6
    Width = 266
    Height = 203
    AutoFitColWidths = True
    DataSource = DataSource1
    FooterColor = clWindow
    FooterFont.Charset = 1
    FooterFont.Color = clWindowText
    FooterFont.Height = -11
    FooterFont.Name = 'MS Sans Serif'
    FooterFont.Style = []
    Options = [dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
    RowHeight = 18
    TabOrder = 1
    TitleFont.Charset = 1
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = []
    TitleHeight = 16
    Columns = <
      item
        FieldName = '区号'
        Title.TitleButton = True
        Width = 46
      end
      item
        FieldName = '邮编'
        Title.TitleButton = True
        Width = 49
      end
      item
        FieldName = '省名'
        Title.Caption = '省份'
        Title.TitleButton = True
        Width = 63
      end
      item
        FieldName = '县市名'
        Title.Caption = '县/市名'
        Title.TitleButton = True
        Width = 72
      end>
  end
  object Button1: TButton
    Left = 217
    Top = 220
    Width = 54
    Height = 42
    Caption = 'Find'
    TabOrder = 2
  end
  object DataSource1: TDataSource
  end
end
