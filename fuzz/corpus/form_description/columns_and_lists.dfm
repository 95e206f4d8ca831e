object F: TSampleForm
  Caption = 'a' + 'b'#9'c'
  Font.Style = []
  object G: TSampleGrid
    Left = $7FFFFFFF
    Width = -2147483648
    Columns = <
      item
        FieldName = 'x'
        Title.Caption = #24037#20855#31665
      end>
    DataSource = F.S
  end
  object S: TSampleSource
  end
  object M: TSampleMemo
    Lines = ('' 'it''s')
  end
end
