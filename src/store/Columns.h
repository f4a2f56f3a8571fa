#pragma once

#include <QString>

// The contact file's table and column names, spelt once. Code names a column through these constants so that a
// misspelt name fails to compile instead of failing at run time with "Field not found".
namespace corvella::store {

namespace tables {
inline const QString Contacts = u"kayit"_qs;
inline const QString Settings = u"YAYAR"_qs;
inline const QString MailList = u"maillist"_qs;
} // namespace tables

/// Columns of the contact table, `No` first and then in table order.
namespace contact {
inline const QString RecordNumber = u"No"_qs;
inline const QString FirstName = u"Ad"_qs;
inline const QString LastName = u"Soyad"_qs;
inline const QString Email = u"E-mail"_qs;
inline const QString Occupation = u"Meslek"_qs;
inline const QString Company = u"Firma Adi"_qs;
inline const QString WorkPhone = u"Is Telefonu"_qs;
inline const QString HomePhone = u"Ev Telefonu"_qs;
inline const QString MobilePhone = u"Cep Telefonu"_qs;
inline const QString Extension = u"Dahili N#"_qs;
inline const QString Fax = u"Faks"_qs;
inline const QString Address1 = u"Adres 1"_qs;
inline const QString Address2 = u"Adres 2"_qs;
inline const QString PostalCode = u"Posta Kodu"_qs;
inline const QString City = u"Sehir"_qs;
inline const QString InvoiceAddress1 = u"Fat# Adresi 1"_qs;
inline const QString InvoiceAddress2 = u"Fat# Adresi 2"_qs;
inline const QString TaxOffice = u"Vergi Dairesi"_qs;
inline const QString TaxNumber = u"Vergi N#"_qs;
inline const QString Notes = u"Ek Bilgi"_qs;
inline const QString Sector = u"Sektör"_qs;
inline const QString SubSector = u"Alt Sektör"_qs;
} // namespace contact

/// The mail list's one column.
namespace maillist {
inline const QString Address = u"e-mail"_qs;
} // namespace maillist

/// Columns of the print settings row.
namespace settings {
inline const QString TitleFontName = u"Başlık Fontu Adı"_qs;
inline const QString TitleFontSize = u"Başlık Fontu Boyutu"_qs;
inline const QString NormalFontName = u"Normal Yazı Fontu Adı"_qs;
inline const QString NormalFontSize = u"Normal Yazı Fontu Boyutu"_qs;
inline const QString ListFontName = u"Liste Fontu Adı"_qs;
inline const QString ListFontSize = u"Liste Fontu Boyutu"_qs;
inline const QString ListLinePitch = u"Liste Satır Aralığı"_qs;
inline const QString PrintXScale = u"Yazdırma X Eksen Oranı"_qs;
inline const QString PrintYScale = u"Yazdırma Y Eksen Oranı"_qs;
inline const QString PrinterType = u"Yazıcı Tipi"_qs;
inline const QString CharacterWidth = u"Karakter Genişliği"_qs;
inline const QString LabelYScale = u"Etiket Y Eksen Oranı"_qs;
inline const QString LabelWidth = u"Etiket Genişliği"_qs;
inline const QString LabelHeight = u"Etiket Yüksekliği"_qs;
inline const QString LabelHorizontalGap = u"Yatay Etiket Aralığı"_qs;
inline const QString LabelVerticalGap = u"Dikey Etiket Aralığı"_qs;
inline const QString LabelsPerRow = u"Satırdaki Etiket Sayısı"_qs;
inline const QString PageWidth = u"Sayfa Genişliği"_qs;
inline const QString PageHeight = u"Sayfa Yüksekliği"_qs;
inline const QString LeftMargin = u"Sol Boşluk"_qs;
inline const QString TopMargin = u"Üst Boşluk"_qs;
inline const QString UserName = u"Kullanıcı Adı"_qs;
inline const QString CharacterAnalysisA = u"Karakter Analizi Y# T# A#"_qs;
inline const QString CharacterAnalysisB = u"Karakter Analizi Y# T# B#"_qs;
inline const QString PrinterKind = u"InkJet/LASER/Dot Matrix"_qs;

/// The label's seven placed parts, each with five settings columns named "<part> <attribute>".
enum class LabelPart { Name, Company, Address, Province, District, PostalCode, Country };
enum class LabelAttribute { FontName, FontSize, FontColour, X, Y };

inline constexpr LabelPart LabelParts[] = {LabelPart::Name,     LabelPart::Company,  LabelPart::Address,
                                           LabelPart::Province, LabelPart::District, LabelPart::PostalCode,
                                           LabelPart::Country};

/// The part's own word in its column names ("İsim", "F# Adı", ...).
QString labelPartPrefix(LabelPart part);
/// The settings column of one attribute of one part, e.g. "İsim Yazıtipi Adı".
QString labelColumn(LabelPart part, LabelAttribute attribute);
} // namespace settings

} // namespace corvella::store
